// SPDX-License-Identifier: MIT
#include "latencysummary.h"

#include <QTest>
#include <numeric>
#include <stdexcept>
#include <vector>

using Samples = std::vector<double>;
Q_DECLARE_METATYPE(Samples)

namespace {
// 1, 2, ... count.
Samples counting(int count) {
    Samples samples(static_cast<std::size_t>(count));
    std::iota(samples.begin(), samples.end(), 1.0);
    return samples;
}

// `count` on-time snaps of which the last `late` were `lateMs` late.
Samples withOutliers(int count, int late, double lateMs) {
    Samples samples(static_cast<std::size_t>(count), 0.0);
    std::fill(samples.end() - late, samples.end(), lateMs);
    return samples;
}
} // namespace

class LatencySummaryTest : public QObject {
    Q_OBJECT
private slots:
    void summarizes_data();
    void summarizes();
    void noSamplesIsAnError();
    void theLineHasTwoDecimals();
};

void LatencySummaryTest::summarizes_data() {
    QTest::addColumn<Samples>("samples");
    QTest::addColumn<double>("median");
    QTest::addColumn<double>("p99");
    QTest::addColumn<double>("max");
    QTest::newRow("one sample") << Samples{2.5} << 2.5 << 2.5 << 2.5;
    QTest::newRow("odd count, unsorted") << Samples{3, 1, 2} << 2.0 << 3.0 << 3.0;
    QTest::newRow("even count averages the middle") << Samples{4, 1, 3, 2} << 2.5 << 4.0 << 4.0;
    QTest::newRow("early events stay negative") << Samples{-0.5, 0.25} << -0.125 << 0.25 << 0.25;
    // Nearest rank ceil(0.99 n): the 99th of 100, the 100th of 101, the 198th of 200.
    QTest::newRow("100 samples") << counting(100) << 50.5 << 99.0 << 100.0;
    QTest::newRow("101 samples") << counting(101) << 51.0 << 100.0 << 101.0;
    QTest::newRow("200 samples") << counting(200) << 100.5 << 198.0 << 200.0;
    // Two late snaps in 200 fall above the 99th percentile, a third reaches it.
    QTest::newRow("two late in 200") << withOutliers(200, 2, 9.0) << 0.0 << 0.0 << 9.0;
    QTest::newRow("three late in 200") << withOutliers(200, 3, 9.0) << 0.0 << 9.0 << 9.0;
}

void LatencySummaryTest::summarizes() {
    QFETCH(Samples, samples);
    QFETCH(double, median);
    QFETCH(double, p99);
    QFETCH(double, max);
    const LatencySummary summary = summarize(samples);
    QCOMPARE(summary.medianMs, median);
    QCOMPARE(summary.p99Ms, p99);
    QCOMPARE(summary.maxMs, max);
}

void LatencySummaryTest::noSamplesIsAnError() {
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, summarize({}));
}

void LatencySummaryTest::theLineHasTwoDecimals() {
    QCOMPARE(summaryLine(QStringLiteral("idle"), {0.004, 1, 12.3456}),
             QStringLiteral("meter idle median_ms=0.00 p99_ms=1.00 max_ms=12.35"));
}

QTEST_GUILESS_MAIN(LatencySummaryTest)
#include "latencysummary_test.moc"
