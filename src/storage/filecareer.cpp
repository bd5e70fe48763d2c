// SPDX-License-Identifier: MIT
#include "storage/filecareer.h"

#include "play/gamestate.h"
#include "storage/careerfilecontent.h"
#include "storage/datadirectory.h"
#include "storage/filelock.h"
#include "storage/filestore.h"
#include "storage/messenger.h"
#include "storage/recordchecks.h"
#include "storage/recordscodec.h"
#include "storage/seasonaddition.h"
#include "storage/seasoncodec.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace {

const QString damagedTitle = QStringLiteral("Damaged File");
const QString careerOverTitle = QStringLiteral("15 Year Career Over");
const QString careerOverText = QStringLiteral("Your 15 Year Career is Over\r\n"
                                              "You May Wish To Export Your\r\n"
                                              "Stats and Clear Them To Play Again.");

SeasonStats recordAt(const std::vector<SeasonStats>& seasons, std::size_t number) {
    return number <= seasons.size() ? seasons[number - 1] : SeasonStats{};
}

QString mendSeasons(QByteArray& bytes) {
    const SeasonsContent content = readSeasonsContent(bytes);
    if (!content.problem.isEmpty())
        bytes = seasonsBytes(content.seasons);
    return content.problem;
}

QString mendRecords(QByteArray& bytes) {
    const RecordsContent content = readRecordsContent(bytes);
    if (!content.problem.isEmpty())
        bytes = encodeRecords(content.records);
    return content.problem;
}

// What a given-up save left of its file, true to what was there before it: a file that did not
// exist is never said to be as it was.
QString leftAsItWas(const QString& path, bool existed) {
    const QString shown = QDir::toNativeSeparators(path);
    return existed ? shown + QStringLiteral(" is as it was")
                   : QStringLiteral("nothing was written to ") + shown;
}

// What the player can do about a career in a directory that cannot be written.
QString moveAdvice(const QString& directory, const QStringList& files) {
    if (files.isEmpty())
        return {};
    const QString own = playerDataDirectory();
    if (QDir(directory) == QDir(own))
        return QStringLiteral("\nTo go on with the career there, make the folder writable.");
    return QStringLiteral("\nTo go on with the career there, make the folder writable, or move "
                          "%1 to %2.")
        .arg(files.join(QStringLiteral(" and ")), shownDirectory(own));
}

} // namespace

// How each career file is read: never more than its longest whole content and one byte.
const FileCareer::Layout FileCareer::seasonsLayout{mendSeasons, LongestSeasonsFile};
const FileCareer::Layout FileCareer::recordsLayout{mendRecords, RecordsRecordSize};

// Cleaned once here, so that no message shows a doubled slash (an unset HOME gives
// "//.local/share/gridlark").
FileCareer::FileCareer(const QString& dataDirectory, Messenger& messenger)
    : m_dataDirectory(QDir::cleanPath(dataDirectory)), m_messenger(messenger) {}

bool FileCareer::readyForNewGame() {
    const QString problem = directoryWriteProblem(m_dataDirectory);
    if (problem.isEmpty())
        return true;
    m_messenger.warn(QStringLiteral("Career Cannot Be Saved"),
                     QStringLiteral("No game was started: %1 cannot be written (%2).")
                             .arg(shownDirectory(m_dataDirectory), problem) +
                         moveAdvice(m_dataDirectory, careerFilesIn(m_dataDirectory)));
    return false;
}

QString FileCareer::seasonsPath() const {
    return QDir(m_dataDirectory).filePath(QStringLiteral("gdk.dat"));
}

QString FileCareer::recordsPath() const {
    return QDir(m_dataDirectory).filePath(QStringLiteral("gdk.rec"));
}

FileCareer::Read FileCareer::readAndMend(const QString& path, const Layout& layout,
                                         OnDamage onDamage) {
    // A missing file is made empty, as a career has always begun, unless the file is only read;
    // missing or not, it reads as empty.
    if (onDamage == OnDamage::MendLocked || onDamage == OnDamage::MendLocking)
        createIfMissing(path);
    const ReadResult read = readUpTo(path, layout.longest);
    if (!read.error.isEmpty())
        return {{}, failureText(path, read.error)};
    QByteArray mended = read.bytes;
    const QString problem = layout.mend(mended);
    if (problem.isEmpty())
        return {read.bytes, {}};
    switch (onDamage) {
    case OnDamage::Refuse:
        return {{}, failureText(path, QStringLiteral("it is damaged: ") + problem)};
    case OnDamage::LeaveAlone:
        tell(true, damagedTitle,
             QStringLiteral("%1 is damaged: %2.\nIt is left as it is, and this view shows what "
                            "could be read.")
                 .arg(QDir::toNativeSeparators(path), problem));
        return {read.bytes, {}};
    case OnDamage::MendLocking: {
        FileLock lock(path);
        if (!lock.error().isEmpty())
            return {{}, failureText(path, problem + QStringLiteral(", and ") + lock.error())};
        // Read again: another copy of the game may have mended it meanwhile.
        return readAndMend(path, layout, OnDamage::MendLocked);
    }
    case OnDamage::MendLocked:
        break;
    }
    if (QString kept = keepDamaged(path, problem, read.bytes, {mended, layout.longest});
        !kept.isEmpty())
        return {{}, kept};
    return {mended, {}};
}

QString FileCareer::keepDamaged(const QString& path, const QString& problem,
                                const QByteArray& damaged, const Content& repaired) {
    QString error;
    const std::optional<QString> copy = keepAside(path, QStringLiteral("damaged"), damaged, error);
    if (!copy)
        return failureText(path, problem + QStringLiteral(", and no copy of it could be kept (") +
                                     error + u')');
    if (QString written = replaceFile(path, repaired.bytes, repaired.longest); !written.isEmpty())
        return written;
    tell(true, damagedTitle,
         QStringLiteral("%1 is damaged: %2.\nIt has been kept as %3, and the game "
                        "goes on with what could be read.")
             .arg(QDir::toNativeSeparators(path), problem, QDir::toNativeSeparators(*copy)));
    return {};
}

QString FileCareer::underLock(const QString& path, const std::function<QString()>& change) {
    FileLock lock(path);
    if (!lock.error().isEmpty())
        return failureText(path, lock.error());
    return change();
}

bool FileCareer::openStats(GameState& state) {
    const Read read = readAndMend(seasonsPath(), seasonsLayout, OnDamage::MendLocking);
    const bool open =
        read.error.isEmpty() && loadCurrentSeason(readSeasonsContent(read.bytes).seasons, state);
    if (!read.error.isEmpty())
        tell(true, QStringLiteral("Career Stats Not Read"), read.error);
    deliverNotices();
    return open;
}

bool FileCareer::loadCurrentSeason(const std::vector<SeasonStats>& seasons, GameState& state) {
    for (std::size_t n = 1; n <= SeasonsInCareer; ++n) {
        const SeasonStats season = recordAt(seasons, n);
        if (season.games != GamesInSeason) {
            state.season = season.total;
            state.seasonGames = season.games;
            state.seasonNumber = static_cast<std::int32_t>(n);
            return true;
        }
    }
    tell(false, careerOverTitle, careerOverText);
    return false;
}

QString FileCareer::addGame(const GameState& state) {
    const Read read = readAndMend(seasonsPath(), seasonsLayout, OnDamage::MendLocked);
    if (!read.error.isEmpty())
        return read.error;
    std::vector<SeasonStats> seasons = readSeasonsContent(read.bytes).seasons;
    std::size_t n = 1;
    while (n < MostSeasonRecords && recordAt(seasons, n).games == GamesInSeason)
        ++n;
    SeasonStats season = addGameToSeason(recordAt(seasons, n), state);
    season.number = static_cast<std::int32_t>(n);
    if (seasons.size() < n)
        seasons.resize(n);
    seasons[n - 1] = season;
    if (QString written = replaceFile(seasonsPath(), seasonsBytes(seasons), LongestSeasonsFile);
        !written.isEmpty())
        return written;
    m_currentSeason = season;
    return {};
}

bool FileCareer::saveStats(const GameState& state) {
    const bool existed = QFileInfo::exists(seasonsPath());
    if (!withRetry(QStringLiteral("Game Not Saved"), QStringLiteral("The game could not be saved"),
                   [&] { return underLock(seasonsPath(), [&] { return addGame(state); }); })) {
        m_messenger.warn(QStringLiteral("Game Not Saved"),
                         QStringLiteral("The game was not saved; %1, and no record was checked "
                                        "against the game.")
                             .arg(leftAsItWas(seasonsPath(), existed)));
        return false;
    }
    // The season's records follow its save, so that a season that failed to save (or a crash
    // before it) never leaves records made of games the career does not hold.
    if (m_currentSeason.games == GamesInSeason) {
        updateRecords(
            [&](CareerRecords& records) { checkSeasonRecords(m_currentSeason, records); });
        m_messenger.inform(QStringLiteral("Season Over"),
                           QStringLiteral("Season %1 is over").arg(m_currentSeason.number));
    }
    return true;
}

bool FileCareer::updateRecords(const std::function<void(CareerRecords&)>& update) {
    const bool existed = QFileInfo::exists(recordsPath());
    const auto change = [&]() -> QString {
        const Read read = readAndMend(recordsPath(), recordsLayout, OnDamage::MendLocked);
        if (!read.error.isEmpty())
            return read.error;
        CareerRecords records = readRecordsContent(read.bytes).records;
        update(records);
        return replaceFile(recordsPath(), encodeRecords(records), RecordsRecordSize);
    };
    if (withRetry(QStringLiteral("Records Not Saved"),
                  QStringLiteral("The records could not be saved"),
                  [&] { return underLock(recordsPath(), change); }))
        return true;
    m_messenger.warn(
        QStringLiteral("Records Not Saved"),
        QStringLiteral("The records were not saved; %1.").arg(leftAsItWas(recordsPath(), existed)));
    return false;
}

bool FileCareer::checkBestGame(const GameState& state) {
    bool broken = false;
    const bool saved =
        updateRecords([&](CareerRecords& records) { broken = ::checkBestGame(state, records); });
    return saved && broken;
}

void FileCareer::clearCareer() {
    const QString error = underLock(seasonsPath(), [&] { return removeFile(seasonsPath()); });
    if (!error.isEmpty())
        m_messenger.warn(QStringLiteral("Career Not Cleared"),
                         QStringLiteral("The career could not be cleared.\n") + error);
}

FileCareer::Read FileCareer::readSeasons(OnDamage onDamage) {
    const Read read = readAndMend(seasonsPath(), seasonsLayout, onDamage);
    if (!read.error.isEmpty())
        tell(true, QStringLiteral("Career Stats Not Read"), read.error);
    deliverNotices();
    return read;
}

std::vector<SeasonStats> FileCareer::loadSeasons() {
    return readSeasonsContent(readSeasons(OnDamage::MendLocking).bytes).seasons;
}

PeekedSeasons FileCareer::peekSeasons() {
    const Read read = readSeasons(OnDamage::LeaveAlone);
    if (!read.error.isEmpty())
        return {{}, QStringLiteral("The career could not be read: %1.").arg(read.error)};
    const SeasonsContent content = readSeasonsContent(read.bytes);
    return {content.seasons, leftOutText(content)};
}

CareerRecords FileCareer::loadRecords() {
    const Read read = readAndMend(recordsPath(), recordsLayout, OnDamage::MendLocking);
    if (!read.error.isEmpty())
        tell(true, QStringLiteral("Records Not Read"), read.error);
    deliverNotices();
    return readRecordsContent(read.bytes).records;
}

StoredCareer FileCareer::readCareer() {
    const Read seasons = readAndMend(seasonsPath(), seasonsLayout, OnDamage::Refuse);
    const Read records = readAndMend(recordsPath(), recordsLayout, OnDamage::Refuse);
    QStringList errors;
    for (const QString& error : {seasons.error, records.error})
        if (!error.isEmpty())
            errors << error;
    if (!errors.isEmpty())
        return {{}, {}, errors.join(u'\n')};
    // Only a career that could be read leaves its files behind, as every reading that goes on
    // does.
    createIfMissing(seasonsPath());
    createIfMissing(recordsPath());
    return {
        readSeasonsContent(seasons.bytes).seasons, readRecordsContent(records.bytes).records, {}};
}

bool FileCareer::withRetry(const QString& title, const QString& what,
                           const std::function<QString()>& attempt) {
    for (;;) {
        const QString error = attempt();
        deliverNotices();
        if (error.isEmpty())
            return true;
        if (!m_messenger.askRetry(title, what + QStringLiteral(":\n") + error +
                                             QStringLiteral("\n\nTry again?")))
            return false;
    }
}

void FileCareer::tell(bool warning, const QString& title, const QString& text) {
    m_notices.push_back({warning, title, text});
}

void FileCareer::deliverNotices() {
    std::vector<Notice> notices;
    notices.swap(m_notices);
    for (const Notice& notice : notices) {
        if (notice.warning)
            m_messenger.warn(notice.title, notice.text);
        else
            m_messenger.inform(notice.title, notice.text);
    }
}
