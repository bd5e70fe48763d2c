// SPDX-License-Identifier: MIT
// How the career files and the page are replaced and read: the directory is flushed after every
// rename, no lock is held while the player reads a message, and reading needs nothing created.
// Each system call of a replacement failing in turn is the fault-point test's.
#include "support/filebytes.h"
#include "support/recordingmessenger.h"

#include "play/gamestate.h"
#include "storage/filecareer.h"
#include "storage/filestore.h"
#include "storage/seasoncodec.h"
#include "views/exportwriter.h"

#include <QDir>
#include <QLockFile>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

namespace {

GameState aGame(std::int16_t yards) {
    GameState g;
    g.GameAttempts = 30;
    g.GameCompletions = 20;
    g.GameYards = yards;
    g.LongestInRow = 6;
    g.GameLongAttempts = 30;
    g.GameLongCompletions = 20;
    g.GameLongYards = yards;
    return g;
}

QByteArray seasonOf(int games) {
    SeasonStats season;
    season.Season = 1;
    season.Games = games;
    return encodeSeason(season);
}

// A career of one game with its exported page, as the files stand between games.
struct CareerDir {
    QTemporaryDir dir;
    RecordingMessenger messenger;
    FileCareer career{dir.path(), messenger};

    CareerDir() {
        const GameState game = aGame(250);
        career.saveStats(game);
        career.checkBestGame(game);
        exportCareer(career, QStringLiteral("Sam"), QStringLiteral("."));
    }
    QString path(const QString& name) const { return dir.filePath(name); }
    QStringList files() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden); }
    // Replaces gdk.dat, gdk.rec and gdk.html in turn, the way the game does.
    void replaceEach() {
        career.saveStats(aGame(100));
        career.checkBestGame(aGame(400));
        exportCareer(career, QStringLiteral("Kim"), QStringLiteral("."));
    }
};

// Notes, at every message, whether another copy of the game could take both locks now.
class LockProbe final : public Messenger {
public:
    explicit LockProbe(QString directory) : m_directory(std::move(directory)) {}
    void inform(const QString& title, const QString&) override { probe(title); }
    void warn(const QString& title, const QString&) override { probe(title); }
    bool askRetry(const QString& title, const QString&) override {
        probe(title);
        return false;
    }
    QStringList seen;

private:
    void probe(const QString& title) {
        QLockFile seasons(QDir(m_directory).filePath(QStringLiteral("gdk.dat.lock")));
        QLockFile records(QDir(m_directory).filePath(QStringLiteral("gdk.rec.lock")));
        const bool free = seasons.tryLock(0) && records.tryLock(0);
        seen << title + (free ? QStringLiteral(", both locks free") : QStringLiteral(", locked"));
    }
    QString m_directory;
};

bool setImmutable(const QString& directory, bool on) {
    return QProcess::execute(QStringLiteral("chattr"),
                             {on ? QStringLiteral("+i") : QStringLiteral("-i"), directory}) == 0;
}

} // namespace

class ReplacementTest : public QObject {
    Q_OBJECT
private slots:
    void theDirectoryIsFlushedAfterEveryRename();
    void noLockIsHeldWhileAMessageIsUp_data();
    void noLockIsHeldWhileAMessageIsUp();
    void aDirectoryWhereNothingCanBeCreatedStillReads();
};

void ReplacementTest::theDirectoryIsFlushedAfterEveryRename() {
    CareerDir c;
    QStringList trace;
    setFileFault([&](const QString& path, FileStep step) {
        if (step == FileStep::Rename || step == FileStep::DirectoryFlush)
            trace << QFileInfo(path).fileName() + (step == FileStep::Rename
                                                       ? QStringLiteral(" renamed")
                                                       : QStringLiteral(" flushed"));
        return QString();
    });
    c.replaceEach();
    setFileFault({});
    QCOMPARE(trace,
             (QStringList{QStringLiteral("gdk.dat renamed"), QStringLiteral("gdk.dat flushed"),
                          QStringLiteral("gdk.rec renamed"), QStringLiteral("gdk.rec flushed"),
                          QStringLiteral("gdk.html renamed"), QStringLiteral("gdk.html flushed")}));
}

void ReplacementTest::noLockIsHeldWhileAMessageIsUp_data() {
    QTest::addColumn<QByteArray>("seasons");
    QTest::addColumn<bool>("newGame");
    QTest::addColumn<QString>("title");
    QByteArray career;
    for (int n = 0; n < 15; ++n)
        career += seasonOf(16);
    QTest::newRow("season over") << seasonOf(15) << false << QStringLiteral("Season Over");
    QTest::newRow("career over") << career << true << QStringLiteral("15 Year Career Over");
    QTest::newRow("damaged at a save")
        << seasonOf(3) + "xyz" << false << QStringLiteral("Damaged File");
    QTest::newRow("damaged at a new game")
        << seasonOf(3) + "xyz" << true << QStringLiteral("Damaged File");
}

void ReplacementTest::noLockIsHeldWhileAMessageIsUp() {
    QFETCH(QByteArray, seasons);
    QFETCH(bool, newGame);
    QFETCH(QString, title);
    QTemporaryDir dir;
    write(dir.filePath(QStringLiteral("gdk.dat")), seasons);
    LockProbe probe(dir.path());
    FileCareer career(dir.path(), probe);
    GameState state = aGame(250);
    if (newGame)
        career.openStats(state);
    else
        career.saveStats(state);
    QCOMPARE(probe.seen, QStringList{title + QStringLiteral(", both locks free")});
}

void ReplacementTest::aDirectoryWhereNothingCanBeCreatedStillReads() {
    CareerDir c;
    QTemporaryDir empty;
    const QStringList files = c.files();
    const QByteArray page = contents(c.path(QStringLiteral("gdk.html")));
    if (!setImmutable(c.dir.path(), true) || !setImmutable(empty.path(), true))
        QSKIP("chattr +i is not permitted here (it needs root on ext4); the test command "
              "runs as root in CI");
    const auto mutableAgain = qScopeGuard([&] {
        setImmutable(c.dir.path(), false);
        setImmutable(empty.path(), false);
    });
    RecordingMessenger messenger;
    FileCareer reader(c.dir.path(), messenger);
    QCOMPARE(reader.loadSeasons().size(), std::size_t(1));
    QCOMPARE(reader.loadRecords().MostGameYds, 250);
    GameState state;
    QVERIFY(reader.openStats(state));
    QCOMPARE(state.SeasonGames, 1);
    const ExportOutcome refused = exportCareer(reader, QStringLiteral("Kim"), QStringLiteral("."));
    QVERIFY(!refused.saved);
    QVERIFY(refused.text.contains(c.path(QStringLiteral("gdk.html")) + QStringLiteral(": ")));
    QCOMPARE(contents(c.path(QStringLiteral("gdk.html"))), page);
    QCOMPARE(c.files(), files);
    FileCareer nothing(empty.path(), messenger);
    QVERIFY(nothing.loadSeasons().empty());
    QCOMPARE(nothing.loadRecords().MostGameYds, 0);
    QVERIFY(nothing.openStats(state));
    QCOMPARE(state.SeasonNumber, 1);
    QVERIFY2(messenger.messages().isEmpty(), qPrintable(messenger.titles().join(u' ')));
}

QTEST_GUILESS_MAIN(ReplacementTest)
#include "replacement_test.moc"
