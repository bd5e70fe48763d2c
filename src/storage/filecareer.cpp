// SPDX-License-Identifier: MIT
#include "storage/filecareer.h"

#include "play/gamestate.h"
#include "storage/damage.h"
#include "storage/filelock.h"
#include "storage/filestore.h"
#include "storage/messenger.h"
#include "storage/recordchecks.h"
#include "storage/recordscodec.h"
#include "storage/seasonaddition.h"

#include <QDir>
#include <utility>

namespace {

constexpr int seasonsInCareer = 15;
constexpr int gamesInSeason = 16;
constexpr std::size_t maxSeasonRecords = 100;

const QString careerOverTitle = QStringLiteral("15 Year Career Over");
const QString careerOverText = QStringLiteral("Your 15 Year Career is Over\r\n"
                                              "You May Wish To Export Your\r\n"
                                              "Stats and Clear Them To Play Again.");

QString failure(const QString& path, const QString& reason) {
    return QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), reason);
}

SeasonStats recordAt(const std::vector<SeasonStats>& seasons, std::size_t number) {
    return number <= seasons.size() ? seasons[number - 1] : SeasonStats{};
}

} // namespace

FileCareer::FileCareer(QString dataDirectory, Messenger& messenger)
    : m_dataDirectory(std::move(dataDirectory)), m_messenger(messenger) {}

QString FileCareer::seasonsPath() const {
    return QDir(m_dataDirectory).filePath(QStringLiteral("gdk.dat"));
}

QString FileCareer::recordsPath() const {
    return QDir(m_dataDirectory).filePath(QStringLiteral("gdk.rec"));
}

QString FileCareer::keepDamaged(const QString& path, const QString& problem,
                                const QByteArray& repaired) {
    QString error;
    const std::optional<QString> copy = keepCopy(path, QStringLiteral("damaged"), error);
    if (!copy)
        return failure(path, problem + QStringLiteral(", and no copy of it could be kept (") +
                                 error + u')');
    if (QString written = replaceFile(path, repaired); !written.isEmpty())
        return failure(path, written);
    m_messenger.warn(
        QStringLiteral("Damaged File"),
        QStringLiteral("%1 is damaged: %2.\nIt has been kept as %3, and the game "
                       "goes on with what could be read.")
            .arg(QDir::toNativeSeparators(path), problem, QDir::toNativeSeparators(*copy)));
    return {};
}

FileCareer::Seasons FileCareer::readSeasons() {
    const QString path = seasonsPath();
    if (QString created = createIfMissing(path); !created.isEmpty())
        return {{}, failure(path, created)};
    const ReadResult read = readWholeFile(path);
    if (!read.error.isEmpty())
        return {{}, failure(path, read.error)};
    SeasonsContent content = readSeasonsContent(read.bytes);
    if (!content.problem.isEmpty()) {
        if (QString kept = keepDamaged(path, content.problem, seasonsBytes(content.seasons));
            !kept.isEmpty())
            return {{}, kept};
    }
    return {std::move(content.seasons), {}};
}

FileCareer::Records FileCareer::readRecords() {
    const QString path = recordsPath();
    if (QString created = createIfMissing(path); !created.isEmpty())
        return {{}, failure(path, created)};
    const ReadResult read = readWholeFile(path);
    if (!read.error.isEmpty())
        return {{}, failure(path, read.error)};
    RecordsContent content = readRecordsContent(read.bytes);
    if (!content.problem.isEmpty()) {
        if (QString kept = keepDamaged(path, content.problem, encodeRecords(content.records));
            !kept.isEmpty())
            return {{}, kept};
    }
    return {content.records, {}};
}

bool FileCareer::openStats(GameState& state) {
    FileLock lock(seasonsPath());
    if (!lock.error().isEmpty()) {
        m_messenger.warn(QStringLiteral("Career Stats Not Read"),
                         failure(seasonsPath(), lock.error()));
        return false;
    }
    const Seasons seasons = readSeasons();
    if (!seasons.error.isEmpty()) {
        m_messenger.warn(QStringLiteral("Career Stats Not Read"), seasons.error);
        return false;
    }
    for (std::size_t n = 1; n <= seasonsInCareer; ++n) {
        const SeasonStats season = recordAt(seasons.list, n);
        if (season.Games != gamesInSeason) {
            state.SeasonAttempts = season.Att;
            state.SeasonCompletions = season.Comp;
            state.SeasonYards = season.Yds;
            state.SeasonTDs = season.TD;
            state.SeasonINTs = season.Int;
            state.SeasonGames = season.Games;
            state.SeasonNumber = static_cast<std::int32_t>(n);
            return true;
        }
    }
    m_messenger.inform(careerOverTitle, careerOverText);
    return false;
}

QString FileCareer::addGame(const GameState& state) {
    FileLock lock(seasonsPath());
    if (!lock.error().isEmpty())
        return failure(seasonsPath(), lock.error());
    Seasons seasons = readSeasons();
    if (!seasons.error.isEmpty())
        return seasons.error;
    std::size_t n = 1;
    while (n < maxSeasonRecords && recordAt(seasons.list, n).Games == gamesInSeason)
        ++n;
    SeasonStats season = addGameToSeason(recordAt(seasons.list, n), state);
    season.Season = static_cast<std::int32_t>(n);
    if (seasons.list.size() < n)
        seasons.list.resize(n);
    seasons.list[n - 1] = season;
    if (QString written = replaceFile(seasonsPath(), seasonsBytes(seasons.list));
        !written.isEmpty())
        return failure(seasonsPath(), written);
    m_currentSeason = season;
    // The season's records follow its save, so that a season that failed to save (or a crash
    // before it) never leaves records made of games the career does not hold.
    if (season.Games == gamesInSeason) {
        updateRecords([&](CareerRecords& records) { checkSeasonRecords(season, records); });
        m_messenger.inform(QStringLiteral("Season Over"),
                           QStringLiteral("Season %1 is over").arg(n));
    }
    return {};
}

void FileCareer::saveStats(const GameState& state) {
    if (!withRetry(QStringLiteral("Game Not Saved"), QStringLiteral("The game could not be saved"),
                   [&] { return addGame(state); }))
        m_messenger.warn(QStringLiteral("Game Not Saved"),
                         QStringLiteral("The game was not saved; %1 is as it was.")
                             .arg(QDir::toNativeSeparators(seasonsPath())));
}

bool FileCareer::updateRecords(const std::function<void(CareerRecords&)>& update) {
    const auto attempt = [&]() -> QString {
        FileLock lock(recordsPath());
        if (!lock.error().isEmpty())
            return failure(recordsPath(), lock.error());
        Records read = readRecords();
        if (!read.error.isEmpty())
            return read.error;
        update(read.records);
        const QString written = replaceFile(recordsPath(), encodeRecords(read.records));
        return written.isEmpty() ? written : failure(recordsPath(), written);
    };
    if (withRetry(QStringLiteral("Records Not Saved"),
                  QStringLiteral("The records could not be saved"), attempt))
        return true;
    m_messenger.warn(QStringLiteral("Records Not Saved"),
                     QStringLiteral("The records were not saved; %1 is as it was.")
                         .arg(QDir::toNativeSeparators(recordsPath())));
    return false;
}

bool FileCareer::checkBestGame(const GameState& state) {
    bool broken = false;
    const bool saved =
        updateRecords([&](CareerRecords& records) { broken = ::checkBestGame(state, records); });
    return saved && broken;
}

void FileCareer::clearCareer() {
    FileLock lock(seasonsPath());
    QString error = lock.error();
    if (error.isEmpty())
        error = removeFile(seasonsPath());
    if (!error.isEmpty())
        m_messenger.warn(QStringLiteral("Career Not Cleared"),
                         QStringLiteral("The career could not be cleared.\n") +
                             failure(seasonsPath(), error));
}

std::vector<SeasonStats> FileCareer::loadSeasons() {
    FileLock lock(seasonsPath());
    Seasons seasons =
        lock.error().isEmpty() ? readSeasons() : Seasons{{}, failure(seasonsPath(), lock.error())};
    if (!seasons.error.isEmpty())
        m_messenger.warn(QStringLiteral("Career Stats Not Read"), seasons.error);
    if (seasons.list.size() > maxSeasonRecords)
        seasons.list.resize(maxSeasonRecords);
    return seasons.list;
}

CareerRecords FileCareer::loadRecords() {
    FileLock lock(recordsPath());
    const Records read =
        lock.error().isEmpty() ? readRecords() : Records{{}, failure(recordsPath(), lock.error())};
    if (!read.error.isEmpty())
        m_messenger.warn(QStringLiteral("Records Not Read"), read.error);
    return read.records;
}

bool FileCareer::withRetry(const QString& title, const QString& what,
                           const std::function<QString()>& attempt) {
    for (;;) {
        const QString error = attempt();
        if (error.isEmpty())
            return true;
        if (!m_messenger.askRetry(title, what + QStringLiteral(":\n") + error +
                                             QStringLiteral("\n\nTry again?")))
            return false;
    }
}
