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

using enum Message::Kind;

// What the player is told of a damaged file: what is wrong with it, and what became of it.
Message damageNotice(const QString& path, const QString& problem, const QString& outcome) {
    return {Warning, damagedTitle,
            QStringLiteral("%1 is damaged: %2.\n").arg(QDir::toNativeSeparators(path), problem) +
                outcome};
}

// What a read does with a file it finds damaged.
enum class OnDamage {
    MendLocked,  // keeps a copy and rewrites it; the caller holds the file's lock
    MendLocking, // the same, taking the file's lock for just that
    Refuse,      // reports the damage as the read's failure
    LeaveAlone,  // tells of it and reads what can be kept; creates and writes nothing
};

// A career file's content: how it is mended (what is wrong with the bytes, with what can be
// kept of them put in their place), and the longest it can be. Never more than that and one
// byte is read.
struct Layout {
    QString (*mend)(QByteArray& bytes);
    qint64 longest;
};
const Layout seasonsLayout{mendSeasons, LongestSeasonsFile};
const Layout recordsLayout{mendRecords, RecordsRecordSize};

// Keeps the damaged file aside, then replaces it with the mended bytes.
Result<QByteArray> keepDamaged(const QString& path, const QString& problem,
                               const QByteArray& damaged, const QByteArray& mended,
                               const Layout& layout) {
    const Result<QString> copy = keepAside(path, QStringLiteral("damaged"), damaged);
    if (!copy.ok())
        return Failure{failureText(path, problem +
                                             QStringLiteral(", and no copy of it could be kept (") +
                                             copy.failure().text + u')')};
    if (Result<> written = replaceFile(path, mended, layout.longest); !written.ok())
        return written.failure();
    Result<QByteArray> kept = mended;
    kept.tell(damageNotice(path, problem,
                           QStringLiteral("It has been kept as %1, and the game goes on with "
                                          "what could be read.")
                               .arg(QDir::toNativeSeparators(copy.value()))));
    return kept;
}

// Creates a missing file where the file may be mended, reads it, and keeps a damaged one
// aside and rewrites it, or tells of it or refuses it, as `onDamage` says.
Result<QByteArray> readAndMend(const QString& path, const Layout& layout, OnDamage onDamage) {
    // A missing file is made empty, as a career has always begun, unless the file is only read;
    // missing or not, it reads as empty.
    if (onDamage == OnDamage::MendLocked || onDamage == OnDamage::MendLocking)
        createIfMissing(path);
    const Result<QByteArray> read = readUpTo(path, layout.longest);
    if (!read.ok())
        return Failure{failureText(path, read.failure().text)};
    QByteArray mended = read.value();
    const QString problem = layout.mend(mended);
    if (problem.isEmpty())
        return read;
    switch (onDamage) {
    case OnDamage::Refuse:
        return Failure{failureText(path, QStringLiteral("it is damaged: ") + problem)};
    case OnDamage::LeaveAlone: {
        Result<QByteArray> left = read;
        left.tell(damageNotice(path, problem,
                               QStringLiteral("It is left as it is, and this view shows what "
                                              "could be read.")));
        return left;
    }
    case OnDamage::MendLocking:
        // Read again: another copy of the game may have mended it meanwhile.
        return underLock(
            path, [&] { return readAndMend(path, layout, OnDamage::MendLocked); },
            problem + QStringLiteral(", and "));
    case OnDamage::MendLocked:
        break;
    }
    return keepDamaged(path, problem, read.value(), mended, layout);
}

// Adds the game to the first season that is not over, under the lock of gdk.dat held by the
// caller; the season as written.
Result<SeasonStats> addGame(const QString& path, const GameState& state) {
    return readAndMend(path, seasonsLayout, OnDamage::MendLocked)
        .then([&](const QByteArray& bytes) -> Result<SeasonStats> {
            std::vector<SeasonStats> seasons = readSeasonsContent(bytes).seasons;
            std::size_t n = 1;
            while (n < MostSeasonRecords && recordAt(seasons, n).games == GamesInSeason)
                ++n;
            SeasonStats season = addGameToSeason(recordAt(seasons, n), state);
            season.number = static_cast<std::int32_t>(n);
            if (seasons.size() < n)
                seasons.resize(n);
            seasons[n - 1] = season;
            if (Result<> written = replaceFile(path, seasonsBytes(seasons), LongestSeasonsFile);
                !written.ok())
                return written.failure();
            return season;
        });
}

} // namespace

// Cleaned once here, so that no message shows a doubled slash (an unset HOME gives
// "//.local/share/gridlark").
FileCareer::FileCareer(const QString& dataDirectory, Messenger& messenger)
    : m_dataDirectory(QDir::cleanPath(dataDirectory)), m_messenger(messenger) {}

template <typename T>
std::optional<T> FileCareer::withRetry(const QString& title, const QString& what,
                                       const std::function<Result<T>()>& attempt) {
    for (;;) {
        const Result<T> done = attempt();
        showAll(done.messages());
        if (done.ok())
            return done.value();
        if (!show({Retry, title,
                   what + QStringLiteral(":\n") + done.failure().text +
                       QStringLiteral("\n\nTry again?")}))
            return std::nullopt;
    }
}

bool FileCareer::readyForNewGame() {
    const QString problem = directoryWriteProblem(m_dataDirectory);
    if (problem.isEmpty())
        return true;
    show({Warning, QStringLiteral("Career Cannot Be Saved"),
          QStringLiteral("No game was started: %1 cannot be written (%2).")
                  .arg(shownDirectory(m_dataDirectory), problem) +
              moveAdvice(m_dataDirectory, careerFilesIn(m_dataDirectory))});
    return false;
}

QString FileCareer::seasonsPath() const {
    return QDir(m_dataDirectory).filePath(QStringLiteral("gdk.dat"));
}

QString FileCareer::recordsPath() const {
    return QDir(m_dataDirectory).filePath(QStringLiteral("gdk.rec"));
}

SeasonOpening FileCareer::openStats(GameState& state) {
    const Result<QByteArray> read =
        readAndMend(seasonsPath(), seasonsLayout, OnDamage::MendLocking);
    const bool open =
        read.ok() && loadCurrentSeason(readSeasonsContent(read.value()).seasons, state);
    showRead(read, QStringLiteral("Career Stats Not Read"));
    if (!read.ok())
        return SeasonOpening::NotRead;
    if (open)
        return SeasonOpening::Open;
    show({Information, careerOverTitle, careerOverText});
    return SeasonOpening::CareerOver;
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
    return false;
}

bool FileCareer::saveStats(const GameState& state) {
    const bool existed = QFileInfo::exists(seasonsPath());
    const std::optional<SeasonStats> season = withRetry<SeasonStats>(
        QStringLiteral("Game Not Saved"), QStringLiteral("The game could not be saved"),
        [&] { return underLock(seasonsPath(), [&] { return addGame(seasonsPath(), state); }); });
    if (!season) {
        show({Warning, QStringLiteral("Game Not Saved"),
              QStringLiteral("The game was not saved; %1, and no record was checked "
                             "against the game.")
                  .arg(leftAsItWas(seasonsPath(), existed))});
        return false;
    }
    m_currentSeason = *season;
    // The season's records follow its save, so that a season that failed to save (or a crash
    // before it) never leaves records made of games the career does not hold.
    if (m_currentSeason.games == GamesInSeason) {
        updateRecords(
            [&](CareerRecords& records) { checkSeasonRecords(m_currentSeason, records); });
        show({Information, QStringLiteral("Season Over"),
              QStringLiteral("Season %1 is over").arg(m_currentSeason.number)});
    }
    return true;
}

bool FileCareer::updateRecords(const std::function<void(CareerRecords&)>& update) {
    const bool existed = QFileInfo::exists(recordsPath());
    const auto change = [&] {
        return readAndMend(recordsPath(), recordsLayout, OnDamage::MendLocked)
            .then([&](const QByteArray& bytes) {
                CareerRecords records = readRecordsContent(bytes).records;
                update(records);
                return replaceFile(recordsPath(), encodeRecords(records), RecordsRecordSize);
            });
    };
    if (withRetry<std::monostate>(QStringLiteral("Records Not Saved"),
                                  QStringLiteral("The records could not be saved"),
                                  [&] { return underLock(recordsPath(), change); }))
        return true;
    show({Warning, QStringLiteral("Records Not Saved"),
          QStringLiteral("The records were not saved; %1.")
              .arg(leftAsItWas(recordsPath(), existed))});
    return false;
}

bool FileCareer::checkBestGame(const GameState& state) {
    bool broken = false;
    const bool saved =
        updateRecords([&](CareerRecords& records) { broken = ::checkBestGame(state, records); });
    return saved && broken;
}

void FileCareer::clearCareer() {
    const Result<> cleared = underLock(seasonsPath(), [&] { return removeFile(seasonsPath()); });
    if (!cleared.ok())
        show({Warning, QStringLiteral("Career Not Cleared"),
              QStringLiteral("The career could not be cleared.\n") + cleared.failure().text});
}

std::vector<SeasonStats> FileCareer::loadSeasons() {
    const Result<QByteArray> read =
        readAndMend(seasonsPath(), seasonsLayout, OnDamage::MendLocking);
    showRead(read, QStringLiteral("Career Stats Not Read"));
    return readSeasonsContent(read.value()).seasons;
}

PeekedSeasons FileCareer::peekSeasons() {
    const Result<QByteArray> read = readAndMend(seasonsPath(), seasonsLayout, OnDamage::LeaveAlone);
    showRead(read, QStringLiteral("Career Stats Not Read"));
    if (!read.ok())
        return {{}, QStringLiteral("The career could not be read: %1.").arg(read.failure().text)};
    const SeasonsContent content = readSeasonsContent(read.value());
    return {content.seasons, leftOutText(content)};
}

CareerRecords FileCareer::loadRecords() {
    const Result<QByteArray> read =
        readAndMend(recordsPath(), recordsLayout, OnDamage::MendLocking);
    showRead(read, QStringLiteral("Records Not Read"));
    return readRecordsContent(read.value()).records;
}

Result<StoredCareer> FileCareer::readCareer() {
    const Result<QByteArray> seasons = readAndMend(seasonsPath(), seasonsLayout, OnDamage::Refuse);
    const Result<QByteArray> records = readAndMend(recordsPath(), recordsLayout, OnDamage::Refuse);
    QStringList errors;
    for (const Result<QByteArray>* read : {&seasons, &records})
        if (!read->ok())
            errors << read->failure().text;
    if (!errors.isEmpty())
        return Failure{errors.join(u'\n')};
    // Only a career that could be read leaves its files behind, as every reading that goes on
    // does.
    createIfMissing(seasonsPath());
    createIfMissing(recordsPath());
    return StoredCareer{readSeasonsContent(seasons.value()).seasons,
                        readRecordsContent(records.value()).records};
}

void FileCareer::showRead(const Result<QByteArray>& read, const QString& title) {
    showAll(read.messages());
    if (!read.ok())
        show({Warning, title, read.failure().text});
}

void FileCareer::showAll(const QList<Message>& messages) {
    for (const Message& message : messages)
        show(message);
}

bool FileCareer::show(const Message& message) {
    return m_messenger.show(message);
}
