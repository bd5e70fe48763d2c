// SPDX-License-Identifier: MIT
// Two simulators play on one directory at once: neither may lose the other's games or records.
#include "careerondisk.h"
#include "simrun.h"

#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

class ConcurrencyTest : public QObject {
    Q_OBJECT
private slots:
    void twoRunsOnOneDirectoryKeepEveryGame();
};

void ConcurrencyTest::twoRunsOnOneDirectoryKeepEveryGame() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QProcess first;
    QProcess second;
    // A spread of stops gives games of different lengths and yards, so the best game is one run's.
    const QStringList common{QStringLiteral("--dir"),   dir.path(),
                             QStringLiteral("--games"), QStringLiteral("100"),
                             QStringLiteral("--csv"),   QStringLiteral("--stop"),
                             QStringLiteral("34:46")};
    startSim(first, common + QStringList{QStringLiteral("--seed"), QStringLiteral("11")});
    startSim(second, common + QStringList{QStringLiteral("--seed"), QStringLiteral("29")});
    QVERIFY(first.waitForFinished(240000));
    QVERIFY(second.waitForFinished(240000));
    for (QProcess* run : {&first, &second}) {
        QCOMPARE(run->exitStatus(), QProcess::NormalExit);
        QVERIFY2(run->exitCode() == 0, run->readAllStandardError().constData());
    }
    const GameLines a(first.readAllStandardOutput());
    const GameLines b(second.readAllStandardOutput());
    QCOMPARE(a.count(), 100);
    QCOMPARE(b.count(), 100);

    const CareerOnDisk career = readCareer(dir.path());
    QVERIFY2(career.messages.isEmpty(), qPrintable(career.messages.join(u'\n')));
    QCOMPARE(career.total(&SeasonStats::Games), qint64(200));
    const QString attempts = QStringLiteral("GameAttempts");
    QCOMPARE(career.total(&SeasonStats::Att), a.total(attempts) + b.total(attempts));
    const QString yards = QStringLiteral("GameYards");
    QCOMPARE(career.total(&SeasonStats::Yds), a.total(yards) + b.total(yards));
    QCOMPARE(qint64(career.records.MostGameYds), std::max(a.most(yards), b.most(yards)));
    const QString touchdowns = QStringLiteral("GameTDs");
    QCOMPARE(qint64(career.records.MostGameTD), std::max(a.most(touchdowns), b.most(touchdowns)));
    qInfo("%lld attempts, best game %d yards", career.total(&SeasonStats::Att),
          career.records.MostGameYds);
}

QTEST_GUILESS_MAIN(ConcurrencyTest)
#include "concurrency_test.moc"
