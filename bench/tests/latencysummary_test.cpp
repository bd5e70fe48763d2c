// SPDX-License-Identifier: MIT
// The figures the README reports: the meter's median, 99th percentile by nearest rank and
// maximum, and the press drift's median and maximum in steps.
#include "latencysummary.h"

#include <QTest>

class LatencySummaryTest : public QObject {
    Q_OBJECT
private slots:
    void summarizes_data();
    void summarizes();
    void theDriftKeepsHalfSteps();
};

void LatencySummaryTest::summarizes_data() {
    QTest::addColumn<QList<double>>("samples");
    QTest::addColumn<QString>("line");
    // 200 on-time snaps of which the last `late` were 9 ms late.
    const auto withLate = [](int late) {
        QList<double> samples(200, 0.0);
        std::fill(samples.end() - late, samples.end(), 9.0);
        return samples;
    };
    QTest::newRow("unsorted") << QList<double>{4, 1, 3, 2} << "2.50 p99_ms=4.00 max_ms=4.00";
    QTest::newRow("rounded") << QList<double>{0.004, 1, 12.3456}
                             << "1.00 p99_ms=12.35 max_ms=12.35";
    // The 198th of 200 is the 99th percentile: two late snaps lie above it, a third reaches it.
    QTest::newRow("two late in 200") << withLate(2) << "0.00 p99_ms=0.00 max_ms=9.00";
    QTest::newRow("three late in 200") << withLate(3) << "0.00 p99_ms=9.00 max_ms=9.00";
}

void LatencySummaryTest::summarizes() {
    QFETCH(QList<double>, samples);
    QFETCH(QString, line);
    const LatencySummary summary = summarize(std::vector<double>(samples.begin(), samples.end()));
    QCOMPARE(summaryLine(QStringLiteral("idle"), summary), "meter idle median_ms=" + line);
}

void LatencySummaryTest::theDriftKeepsHalfSteps() {
    QCOMPARE(stepsLine(QStringLiteral("drift"), summarize({1, 0, 3, 0})),
             QStringLiteral("press drift median_steps=0.5 max_steps=3"));
}

QTEST_GUILESS_MAIN(LatencySummaryTest)
#include "latencysummary_test.moc"
