// SPDX-License-Identifier: MIT
// gridlark-sim run whole on a career directory: killed at random moments, two copies at once,
// and on a full disk. Each check is a test of its own in CTest.
#include "support/filebytes.h"

#include "storage/damage.h"

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <csignal>

namespace {

struct Run {
    int status; // the exit status, or -1 when the run was killed
    QByteArray out;
    QString err;
};

void start(QProcess& sim, const QString& directory, const QStringList& arguments) {
    sim.setStandardInputFile(QProcess::nullDevice());
    sim.start(QStringLiteral(GRIDLARK_SIM),
              QStringList{QStringLiteral("--dir"), directory} + arguments);
}

Run finish(QProcess& sim) {
    sim.waitForFinished(240000);
    return {sim.exitStatus() == QProcess::NormalExit ? sim.exitCode() : -1,
            sim.readAllStandardOutput(), QString::fromLocal8Bit(sim.readAllStandardError())};
}

Run runSim(const QString& directory, const QStringList& arguments) {
    QProcess sim;
    start(sim, directory, arguments);
    return finish(sim);
}

// One column of the games a run printed with --csv; a line cut short by a kill is no game.
struct Column {
    qint64 games = 0;
    qint64 sum = 0;
    qint64 most = 0;
};

Column column(const QByteArray& out, const char* name) {
    QList<QByteArray> lines = out.split('\n');
    lines.removeLast();
    const qsizetype at = lines.isEmpty() ? 0 : lines.takeFirst().split(',').indexOf(name);
    Column c;
    for (const QByteArray& line : lines) {
        const qint64 value = line.split(',').value(at).toLongLong();
        c = {c.games + 1, c.sum + value, std::max(c.most, value)};
    }
    return c;
}

// The career as the next start finds it.
struct Career {
    SeasonsContent seasons;
    RecordsContent records;
    qint64 total(std::int32_t SeasonStats::*field) const {
        qint64 sum = 0;
        for (const SeasonStats& season : seasons.seasons)
            sum += season.*field;
        return sum;
    }
};

Career careerIn(const QString& directory) {
    return {readSeasonsContent(contents(directory + QStringLiteral("/gdk.dat"))),
            readRecordsContent(contents(directory + QStringLiteral("/gdk.rec")))};
}

const QStringList oneGame{QStringLiteral("--games"), QStringLiteral("1"), QStringLiteral("--csv")};

} // namespace

class SimRunsTest : public QObject {
    Q_OBJECT
private slots:
    void aKilledRunLosesNoPrintedGame();
    void twoRunsOnOneDirectoryKeepEveryGame();
    void aFullDiskIsToldAndChangesNoFile();
};

// Every kill is followed by a run on the same directory, which a torn record, a lost game or a
// lock left behind would stop.
void SimRunsTest::aKilledRunLosesNoPrintedGame() {
    QTemporaryDir dir;
    const quint32 seed = QRandomGenerator::global()->generate();
    qInfo("kill delays drawn from seed %u", seed);
    QRandomGenerator random(seed);
    qint64 printed = 0;
    qint64 saved = 0;
    int inFlight = 0;
    int lockRuns = 0;
    for (int kills = 1; kills <= 300; ++kills) {
        QProcess sim;
        start(sim, dir.path(),
              {"--games", "1000", "--csv", "--seed", QString::number(random.generate())});
        QVERIFY(sim.waitForStarted());
        // Most kills fall within the first milliseconds of play, where the saves are.
        QThread::usleep(random.bounded(2) ? random.bounded(3000) : random.bounded(55000));
        ::kill(static_cast<pid_t>(sim.processId()), SIGKILL);
        const Run run = finish(sim);
        QCOMPARE(run.status, -1);
        QVERIFY2(!run.err.contains(QStringLiteral("Not ")) && !run.err.contains("Damaged"),
                 qPrintable(run.err));
        printed += column(run.out, "GameAttempts").games;
        const Career career = careerIn(dir.path());
        QVERIFY2(career.seasons.problem.isEmpty() && career.records.problem.isEmpty(),
                 qPrintable(career.seasons.problem + career.records.problem));
        const qint64 games = career.total(&SeasonStats::Games);
        QVERIFY2(games == printed || games == printed + 1,
                 qPrintable(QStringLiteral("%1 games saved, %2 printed").arg(games).arg(printed)));
        inFlight += int(games - printed);
        printed = games;
        // A lock left by the kill is taken over: the next run, let finish, saves its game.
        if (!QDir(dir.path()).entryList({"*.lock"}, QDir::Files | QDir::Hidden).isEmpty()) {
            const Run next = runSim(dir.path(), oneGame);
            QVERIFY2(next.status == 0 && column(next.out, "GameAttempts").games == 1,
                     qPrintable(next.err));
            ++printed;
            ++lockRuns;
        }
        if (printed >= 200) { // well inside the 240 games of a career
            QVERIFY(QFile::remove(dir.filePath(QStringLiteral("gdk.dat"))));
            saved += std::exchange(printed, 0);
        }
    }
    saved += printed;
    qInfo("300 kills, %lld games saved, %d saved but not yet printed, %d locks left", saved,
          inFlight, lockRuns);
    QVERIFY(saved > 300); // the kills did land among the saves, not all before them
}

void SimRunsTest::twoRunsOnOneDirectoryKeepEveryGame() {
    QTemporaryDir dir;
    QProcess first;
    QProcess second;
    // A spread of stops gives games of different lengths and yards, so the best game is one run's.
    const QStringList common{"--games", "100", "--csv", "--stop", "34:46", "--seed"};
    start(first, dir.path(), common + QStringList{QStringLiteral("11")});
    start(second, dir.path(), common + QStringList{QStringLiteral("29")});
    const Run a = finish(first);
    const Run b = finish(second);
    QVERIFY2(a.status == 0 && b.status == 0, qPrintable(a.err + b.err));
    const Career career = careerIn(dir.path());
    QCOMPARE(column(a.out, "GameAttempts").games + column(b.out, "GameAttempts").games, 200);
    QCOMPARE(career.total(&SeasonStats::Games), qint64(200));
    for (const auto& [name, field] :
         {std::pair{"GameAttempts", &SeasonStats::Att}, std::pair{"GameYards", &SeasonStats::Yds}})
        QCOMPARE(career.total(field), column(a.out, name).sum + column(b.out, name).sum);
    QCOMPARE(qint64(career.records.records.MostGameYds),
             std::max(column(a.out, "GameYards").most, column(b.out, "GameYards").most));
    QCOMPARE(qint64(career.records.records.MostGameTD),
             std::max(column(a.out, "GameTDs").most, column(b.out, "GameTDs").most));
}

// A game and an export on a small disk filled up: each run fails with the file's name and the
// system's reason and changes no file; once there is room again, the game is saved.
void SimRunsTest::aFullDiskIsToldAndChangesNoFile() {
    QTemporaryDir mountPoint;
    const QString disk = mountPoint.path();
    if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", disk}) != 0)
        QSKIP("mounting a small disk needs root; CI runs as root");
    const auto unmount = qScopeGuard([&] { QProcess::execute("umount", {"-l", disk}); });
    QCOMPARE(runSim(disk, oneGame).status, 0);
    write(disk + QStringLiteral("/gdk.html"), "<p>an earlier page</p>\r\n");
    QFile filler(disk + QStringLiteral("/filler"));
    QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    while (filler.write(QByteArray(4096, 'x')) == 4096) {
    }
    const auto files = [&] {
        QList<QByteArray> all;
        for (const char* name : {"/gdk.dat", "/gdk.rec", "/gdk.html"})
            all << contents(disk + QString::fromLatin1(name));
        return all;
    };
    const QList<QByteArray> before = files();
    for (const auto& [arguments, file] :
         {std::pair{oneGame, "/gdk.dat: "},
          std::pair{QStringList{"--export", "Sam"}, "/gdk.html: "}}) {
        const Run run = runSim(disk, arguments);
        QVERIFY2(run.status == 1, qPrintable(run.err));
        QVERIFY2(run.err.contains(disk + QString::fromLatin1(file)) &&
                     run.err.contains(qt_error_string(ENOSPC)),
                 qPrintable(run.err));
        QVERIFY(!run.out.contains("saved"));
        QVERIFY(files() == before);
    }
    QVERIFY(filler.remove());
    QCOMPARE(runSim(disk, oneGame).status, 0);
    QCOMPARE(careerIn(disk).total(&SeasonStats::Games), qint64(2));
}

QTEST_GUILESS_MAIN(SimRunsTest)
#include "simruns_test.moc"
