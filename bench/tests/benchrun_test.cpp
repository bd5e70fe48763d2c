// SPDX-License-Identifier: MIT
// The benchmark played for a few snaps through its own command line.
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

namespace {
struct Run {
    int exitCode = -1;
    QStringList lines;
};

Run runBench(const QStringList& arguments) {
    QProcess bench;
    bench.start(QStringLiteral(GRIDLARK_BENCH), arguments);
    Run run;
    if (!bench.waitForFinished(120'000))
        return run;
    run.exitCode = bench.exitCode();
    run.lines = QString::fromUtf8(bench.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    return run;
}
} // namespace

class BenchRunTest : public QObject {
    Q_OBJECT
private slots:
    void endsWithOneLinePerConditionAndThePressDrift();
    void refusesAnEmptyRun_data();
    void refusesAnEmptyRun();
};

void BenchRunTest::endsWithOneLinePerConditionAndThePressDrift() {
    const Run run = runBench({QStringLiteral("--snaps"), QStringLiteral("3")});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.lines.size(), 4);
    const QRegularExpression line(QStringLiteral(
        R"(^meter (\w+) median_ms=(-?\d+\.\d\d) p99_ms=(-?\d+\.\d\d) max_ms=(-?\d+\.\d\d)$)"));
    const QStringList conditions{QStringLiteral("idle"), QStringLiteral("loaded"),
                                 QStringLiteral("busy")};
    for (int i = 0; i < 3; ++i) {
        const QString text = run.lines.at(i);
        const QRegularExpressionMatch match = line.match(text);
        QVERIFY2(match.hasMatch(), qPrintable(text));
        QCOMPARE(match.captured(1), conditions.at(i));
        const double median = match.captured(2).toDouble();
        const double p99 = match.captured(3).toDouble();
        const double max = match.captured(4).toDouble();
        // The meter can never reach its target before the timer events it needs have passed.
        QVERIFY2(median >= 0 && median <= p99 && p99 <= max, qPrintable(text));
    }
    const QRegularExpressionMatch drift =
        QRegularExpression(
            QStringLiteral(R"(^press drift median_steps=(\d+(\.5)?) max_steps=(\d+)$)"))
            .match(run.lines.at(3));
    QVERIFY2(drift.hasMatch(), qPrintable(run.lines.at(3)));
    QVERIFY(drift.captured(1).toDouble() <= drift.captured(3).toDouble());
}

void BenchRunTest::refusesAnEmptyRun_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("no snaps") << QStringList{QStringLiteral("--snaps"), QStringLiteral("0")};
    QTest::newRow("negative") << QStringList{QStringLiteral("--snaps"), QStringLiteral("-4")};
    QTest::newRow("not a count") << QStringList{QStringLiteral("--snaps"), QStringLiteral("x")};
    QTest::newRow("bad seed") << QStringList{QStringLiteral("--seed"), QStringLiteral("one")};
}

void BenchRunTest::refusesAnEmptyRun() {
    QFETCH(QStringList, arguments);
    const Run run = runBench(arguments);
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.lines.isEmpty());
}

QTEST_GUILESS_MAIN(BenchRunTest)
#include "benchrun_test.moc"
