// SPDX-License-Identifier: MIT
// Kills the simulator at random moments, many inside a save, and resumes on the same
// directory: every game it printed must be in the career, and nothing may be damaged.
#include "careerondisk.h"
#include "simrun.h"

#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <csignal>

namespace {

constexpr int killsWanted = 300;
constexpr int gamesBeforeClearing = 200; // well inside the 240 games of a career

// Most kills come within the first few milliseconds of play, where the saves are; some come
// at once, before the first save.
int killDelayMicroseconds(QRandomGenerator& random) {
    switch (random.bounded(3)) {
    case 0:
        return random.bounded(3000);
    case 1:
        return random.bounded(15000);
    default:
        return 15000 + random.bounded(40000);
    }
}

} // namespace

class CrashKillTest : public QObject {
    Q_OBJECT
private slots:
    void aKilledRunLosesNoPrintedGame();

private:
    void checkAfterKill(const QString& directory, int& printed);
    void checkNextRunProceeds(const QString& directory, int& printed);

    int m_inFlight = 0;
    int m_leftovers = 0;
};

void CrashKillTest::aKilledRunLosesNoPrintedGame() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const quint32 seed = QRandomGenerator::global()->generate();
    qInfo("kill delays drawn from seed %u", seed);
    QRandomGenerator random(seed);
    int printed = 0;
    int kills = 0;
    int savedSeen = 0;
    while (kills < killsWanted) {
        QProcess sim;
        startSim(sim, {QStringLiteral("--dir"), dir.path(), QStringLiteral("--games"),
                       QStringLiteral("1000"), QStringLiteral("--csv"), QStringLiteral("--seed"),
                       QString::number(random.generate())});
        QVERIFY(sim.waitForStarted());
        QThread::usleep(killDelayMicroseconds(random));
        QVERIFY2(sim.state() == QProcess::Running, sim.readAllStandardError().constData());
        ::kill(static_cast<pid_t>(sim.processId()), SIGKILL);
        QVERIFY(sim.waitForFinished());
        QCOMPARE(sim.exitStatus(), QProcess::CrashExit);
        ++kills;
        printed += GameLines(sim.readAllStandardOutput()).count();
        const QString err = QString::fromLocal8Bit(sim.readAllStandardError());
        QVERIFY2(!err.contains(QStringLiteral("Not ")) && !err.contains(QStringLiteral("Damaged")),
                 qPrintable(err));
        checkAfterKill(dir.path(), printed);
        if (QTest::currentTestFailed())
            return;
        if (printed >= gamesBeforeClearing) {
            savedSeen += printed;
            QVERIFY(QFile::remove(QDir(dir.path()).filePath(QStringLiteral("gdk.dat"))));
            printed = 0;
        }
    }
    savedSeen += printed;
    qInfo("%d kills, %d games saved, %d saved but not yet printed, %d left a lock file", kills,
          savedSeen, m_inFlight, m_leftovers);
    QVERIFY(savedSeen > kills); // the kills did land among the saves, not all before them
}

// The files read cleanly, hold every printed game and at most the one in flight.
void CrashKillTest::checkAfterKill(const QString& directory, int& printed) {
    const QStringList leftovers = strayFiles(directory);
    const CareerOnDisk career = readCareer(directory);
    QVERIFY2(career.messages.isEmpty(), qPrintable(career.messages.join(u'\n')));
    QCOMPARE(career.seasonsSize % 110, 0);
    QVERIFY2(career.recordsSize == 0 || career.recordsSize == 52,
             qPrintable(QString::number(career.recordsSize)));
    const qint64 games = career.total(&SeasonStats::Games);
    QVERIFY2(games == printed || games == printed + 1,
             qPrintable(QStringLiteral("%1 games saved, %2 printed").arg(games).arg(printed)));
    if (games == printed + 1) {
        ++m_inFlight;
        printed = static_cast<int>(games);
    }
    // A kill can leave a lock file, or the named temporary of a save cut short between its
    // flush and its rename; nothing else, and neither may stop the next run.
    static const QRegularExpression leftover(
        QStringLiteral("^gdk\\.(dat|rec)(\\.lock(\\.rmlock)?|\\.[A-Za-z0-9]{6})$"));
    for (const QString& name : leftovers)
        QVERIFY2(leftover.match(name).hasMatch(), qPrintable(name));
    if (!leftovers.isEmpty()) {
        ++m_leftovers;
        checkNextRunProceeds(directory, printed);
    }
}

// A lock file left by the killed run must not stop the next one.
void CrashKillTest::checkNextRunProceeds(const QString& directory, int& printed) {
    const SimRun run = runSim({QStringLiteral("--dir"), directory, QStringLiteral("--csv")});
    QCOMPARE(run.status, QProcess::NormalExit);
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    QCOMPARE(GameLines(run.out).count(), 1);
    ++printed;
    QCOMPARE(readCareer(directory).total(&SeasonStats::Games), qint64(printed));
    for (const QString& name : strayFiles(directory))
        QVERIFY2(!name.contains(QStringLiteral(".lock")), qPrintable(name));
}

QTEST_GUILESS_MAIN(CrashKillTest)
#include "crashkill_test.moc"
