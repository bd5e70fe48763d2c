// SPDX-License-Identifier: MIT
#include "play/gamestate.h"
#include "play/playtype.h"
#include "play/randomsource.h"
#include "play/throwrules.h"

#include <QTest>
#include <array>
#include <cmath>
#include <map>

namespace {

constexpr int draws = 200'000;
constexpr std::uint64_t fixedSeed = 20261206;

// Within five standard errors of the expected share, so a fixed seed can never flake and a
// misplaced band edge (a shift of 1/99 or more) still fails.
void compareShare(int count, double expected) {
    const double share = double(count) / draws;
    const double tolerance = 5 * std::sqrt(expected * (1 - expected) / draws);
    QVERIFY2(std::abs(share - expected) <= tolerance,
             qPrintable(QStringLiteral("share %1, expected %2").arg(share).arg(expected)));
}

} // namespace

class DistributionsTest : public QObject {
    Q_OBJECT
private slots:
    void playTypesBeforeTheRedrawFollowTheirBands();
    void speedRowsFollowTheirChances();
    void maxThrowsFollowsBaseAndSpread();
    void reseedsWithinOneClockTickStillDiffer();
    void aSeededSourceIgnoresTheClock();
};

void DistributionsTest::playTypesBeforeTheRedrawFollowTheirBands() {
    MixingRandomSource random(fixedSeed);
    std::array<int, 5> counts{};
    for (int i = 0; i < draws; ++i)
        ++counts[static_cast<std::size_t>(makeThrow(random))];
    compareShare(counts[PlayType::Long], 34.5 / 99);
    compareShare(counts[PlayType::Short], 35.0 / 99);
    compareShare(counts[PlayType::Medium], 21.0 / 99);
    compareShare(counts[PlayType::Blitz], 8.5 / 99);
}

void DistributionsTest::speedRowsFollowTheirChances() {
    MixingRandomSource random(fixedSeed + 1);
    std::map<int, int> byShortSpeed;
    GameState state;
    for (int i = 0; i < draws; ++i) {
        determineSpeeds(random, state);
        ++byShortSpeed[state.ShortSpeed];
    }
    compareShare(byShortSpeed[12], 1.0 / 18);
    compareShare(byShortSpeed[11], 16.0 / 18);
    compareShare(byShortSpeed[10], 1.0 / 18);
}

void DistributionsTest::maxThrowsFollowsBaseAndSpread() {
    // Bases by r = round(u × 9) + 1, spread round(u × 6): ends half as likely as the middle.
    const std::map<int, double> baseChance{
        {20, 1.0 / 18}, {26, 6.0 / 9}, {30, 1.0 / 9}, {33, 1.0 / 9}, {36, 1.0 / 18}};
    std::map<int, double> expected;
    for (const auto& [base, chance] : baseChance)
        for (int spread = 0; spread <= 6; ++spread)
            expected[base + spread] += chance * (spread == 0 || spread == 6 ? 1.0 / 12 : 1.0 / 6);
    MixingRandomSource random(fixedSeed + 2);
    std::map<int, int> counts;
    GameState state;
    for (int i = 0; i < draws; ++i) {
        determineMaxThrows(random, state);
        ++counts[state.MaxThrows];
    }
    QCOMPARE(counts.begin()->first, 20);
    QCOMPARE(counts.rbegin()->first, 42);
    for (const auto& [value, chance] : expected)
        compareShare(counts[value], chance);
}

void DistributionsTest::reseedsWithinOneClockTickStillDiffer() {
    MixingRandomSource random([] { return 43200.25; });
    random.reseed();
    const double first = random.uniform();
    random.reseed();
    const double second = random.uniform();
    QVERIFY(first != second);
    QVERIFY(first >= 0 && first < 1 && second >= 0 && second < 1);
}

void DistributionsTest::aSeededSourceIgnoresTheClock() {
    MixingRandomSource one(7);
    MixingRandomSource other(7);
    for (int i = 0; i < 100; ++i) {
        one.reseed();
        other.reseed();
        other.reseed();
        QCOMPARE(one.uniform(), other.uniform());
    }
}

QTEST_GUILESS_MAIN(DistributionsTest)
#include "distributions_test.moc"
