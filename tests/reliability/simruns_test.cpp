// SPDX-License-Identifier: MIT
// gridlark-sim run whole on a career directory: killed at random moments, two copies at once,
// and a directory that takes nothing. Each check is a test of its own in CTest.
#include "support/datatable.h"
#include "support/filebytes.h"

#include "storage/careerfilecontent.h"

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

std::unique_ptr<QProcess> start(const QString& directory, const QStringList& arguments) {
    auto sim = std::make_unique<QProcess>();
    sim->setStandardInputFile(QProcess::nullDevice());
    sim->start(QStringLiteral(GRIDLARK_SIM), QStringList{"--dir", directory} + arguments);
    return sim;
}

Run finish(const std::unique_ptr<QProcess>& sim) {
    sim->waitForFinished(240000);
    return {sim->exitStatus() == QProcess::NormalExit ? sim->exitCode() : -1,
            sim->readAllStandardOutput(), QString::fromLocal8Bit(sim->readAllStandardError())};
}

const QStringList oneGame{"--games", "1", "--csv"};

// One column over the games printed with --csv: their count, sum and most. Header lines are
// skipped, and a line cut short by a kill is no game.
struct Column {
    qint64 games = 0, sum = 0, most = 0;
};

Column column(const QByteArray& out, const char* name) {
    QList<QByteArray> lines = out.split('\n');
    lines.removeLast();
    const qsizetype at = lines.value(0).split(',').indexOf(name);
    Column c;
    for (const QByteArray& line : lines) {
        const qint64 value = line.split(',').value(at).toLongLong();
        if (line != lines[0])
            c = {c.games + 1, c.sum + value, std::max(c.most, value)};
    }
    return c;
}

// The games and the attempts of every season in gdk.dat; -1 games when the file is damaged.
std::pair<qint64, qint64> savedTotals(const QString& directory) {
    const SeasonsContent content = readSeasonsContent(contents(directory + "/gdk.dat"));
    std::pair<qint64, qint64> sum;
    for (const SeasonStats& season : content.seasons)
        sum = {sum.first + season.games, sum.second + season.total.attempts};
    return content.problem.isEmpty() ? sum : std::pair<qint64, qint64>(-1, -1);
}

} // namespace

class SimRunsTest : public QObject {
    Q_OBJECT
private slots:
    void aKilledRunLosesNoPrintedGame();
    void twoRunsOnOneDirectoryKeepEveryGame();
    void aDirectoryTakingNothingIsTold_data() { addTableRows("storage/unwritable.txt"); }
    void aDirectoryTakingNothingIsTold();
};

// Every kill is followed by a run on the same directory, which a torn record or a lost game
// would stop.
void SimRunsTest::aKilledRunLosesNoPrintedGame() {
    QTemporaryDir dir;
    const quint32 seed = QRandomGenerator::global()->generate();
    qInfo("kill delays drawn from seed %u", seed);
    QRandomGenerator random(seed);
    qint64 printed = 0;
    qint64 saved = 0;
    for (int kills = 1; kills <= 300; ++kills) {
        const auto sim = start(
            dir.path(), {"--games", "1000", "--csv", "--seed", QString::number(random.generate())});
        // Timed from the header line, so that a slow start does not move the kills before play.
        QVERIFY(sim->waitForReadyRead(10000));
        QThread::usleep(random.bounded(20000));
        ::kill(static_cast<pid_t>(sim->processId()), SIGKILL);
        const Run run = finish(sim);
        const qint64 games = savedTotals(dir.path()).first;
        printed += column(run.out, "GameAttempts").games;
        QVERIFY2(
            run.status == -1 && !run.err.contains("Not ") && !run.err.contains("Damaged") &&
                readRecordsContent(contents(dir.path() + "/gdk.rec")).problem.isEmpty() &&
                (games == printed || games == printed + 1),
            qPrintable(QStringLiteral("%1 saved, %2 printed: ").arg(games).arg(printed) + run.err));
        printed = games;
        // A lock left by the kill is taken over: the next run, let finish, saves its game.
        if (!QDir(dir.path()).entryList({"*.lock"}, QDir::Files | QDir::Hidden).isEmpty()) {
            QCOMPARE(column(finish(start(dir.path(), oneGame)).out, "GameAttempts").games, 1);
            ++printed;
        }
        if (printed >= 200) { // well inside the 240 games of a career
            QVERIFY(QFile::remove(dir.filePath(QStringLiteral("gdk.dat"))));
            saved += std::exchange(printed, 0);
        }
    }
    saved += printed;
    qInfo("300 kills, %lld games saved", saved);
    QVERIFY(saved > 300); // the kills did land among the saves, not all before them
}

void SimRunsTest::twoRunsOnOneDirectoryKeepEveryGame() {
    QTemporaryDir dir;
    // A spread of stops gives games of different lengths and yards, so the best game is one run's.
    const QStringList common{"--games", "100", "--csv", "--stop", "34:46", "--seed"};
    const auto first = start(dir.path(), common + QStringList{QStringLiteral("11")});
    const auto second = start(dir.path(), common + QStringList{QStringLiteral("29")});
    const Run a = finish(first);
    const Run b = finish(second);
    QVERIFY2(a.status == 0 && b.status == 0, qPrintable(a.err + b.err));
    const QByteArray out = a.out + b.out;
    QCOMPARE(column(out, "GameAttempts").games, 200);
    QCOMPARE(savedTotals(dir.path()), std::pair(qint64(200), column(out, "GameAttempts").sum));
    QCOMPARE(readRecordsContent(contents(dir.path() + "/gdk.rec")).records.mostGameYards,
             column(out, "GameYards").most);
}

// A game and an export: each run fails, names the file (or, for a game refused at New Game, the
// directory) and the system's reason, and writes nothing; only a file that cannot be read is
// told as not read.
void SimRunsTest::aDirectoryTakingNothingIsTold() {
    QFETCH(QString, how);
    QFETCH(QString, game);
    QFETCH(QString, page);
    QFETCH(QString, reason);
    tableChoice({"full", "immutable", "immutable,empty", "directory", "uncreatable"},
                QStringLiteral("directory"), how);
    for (const QString& file : {game, page})
        tableChoice({"directory", "gdk.dat", "gdk.rec", "gdk.html"}, QStringLiteral("file"), file);
    QTemporaryDir temporary;
    QString dir = temporary.path();
    QString given = dir;
    if (how == "uncreatable") {
        write(dir + QStringLiteral("/file"), "not a directory");
        dir += QStringLiteral("/file/gridlark");
        given += QStringLiteral("/file//gridlark");
    }
    if (how == "full" &&
        QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", dir}) != 0)
        QSKIP("mounting a small disk needs root; CI runs as root");
    const auto undo = qScopeGuard([&] {
        if (how.startsWith("immutable"))
            QProcess::execute("chattr", {"-i", dir});
        if (how == "full")
            QProcess::execute("umount", {"-l", dir});
    });
    if (how == "directory")
        QVERIFY(QDir(dir).mkdir(QStringLiteral("gdk.dat")));
    if (how == "full" || how == "immutable") {
        QCOMPARE(finish(start(dir, oneGame)).status, 0);
        write(dir + QStringLiteral("/gdk.html"), "<p>an earlier page</p>\r\n");
    }
    QFile filler(dir + QStringLiteral("/filler"));
    QVERIFY(how == "uncreatable" || filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    while (how == "full" && filler.write(QByteArray(4096, 'x')) == 4096) {
    }
    if (how.startsWith("immutable") && QProcess::execute("chattr", {"+i", dir}) != 0)
        QSKIP("chattr +i is not permitted here (it needs root on ext4); CI runs as root");
    const auto files = [&] {
        return contents(dir + "/gdk.dat") + '|' + contents(dir + "/gdk.rec") + '|' +
               contents(dir + "/gdk.html");
    };
    const QString refused = "Career Cannot Be Saved: No game was started: " + dir +
                            " cannot be written (" + reason + ").";
    const QByteArray before = files();
    for (const auto& [arguments, file] :
         {std::pair{oneGame, game}, std::pair{QStringList{"--export", "Sam"}, page}}) {
        const Run run = finish(start(given, arguments));
        QVERIFY2(run.status == 1 &&
                     run.err.contains(file == "directory" ? refused : dir + '/' + file + ": ") &&
                     run.err.contains(reason) && !run.out.contains("saved") &&
                     (file != "directory" || column(run.out, "GameAttempts").games == 0) &&
                     (how == "directory" || !run.err.contains("Not Read")),
                 qPrintable(run.err));
        // What to do is told where the directory holds a career.
        QCOMPARE(run.err.contains("make the folder writable, or move gdk.dat and gdk.rec to "),
                 file == "directory" && how == "immutable");
        QCOMPARE(files(), before);
    }
}

QTEST_GUILESS_MAIN(SimRunsTest)
#include "simruns_test.moc"
