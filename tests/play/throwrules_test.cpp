// SPDX-License-Identifier: MIT
#include "support/scriptedrandom.h"

#include "play/draws.h"
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

void compareShare(int count, double expected) {
    const double share = double(count) / draws;
    const double tolerance = 5 * std::sqrt(expected * (1 - expected) / draws);
    QVERIFY2(std::abs(share - expected) <= tolerance,
             qPrintable(QStringLiteral("share %1, expected %2").arg(share).arg(expected)));
}

} // namespace

class ThrowRulesTest : public QObject {
    Q_OBJECT
private slots:
    void drawsRoundHalvesToEvenOrFloor_data();
    void drawsRoundHalvesToEvenOrFloor();
    void makeThrowMapsEachBandToItsPlayType_data();
    void makeThrowMapsEachBandToItsPlayType();
    void checkThrowGradesByDistanceFromTheTarget_data();
    void checkThrowGradesByDistanceFromTheTarget();
    void twoStepsOffCompletesUpToTheStreakThreshold_data();
    void twoStepsOffCompletesUpToTheStreakThreshold();
    void speedsFollowTheirRow_data();
    void speedsFollowTheirRow();
    void maxThrowsRangesFollowTheirBase_data();
    void maxThrowsRangesFollowTheirBase();
    void seededDrawsFollowTheirChances();
    void reseedsWithinOneClockTickStillDiffer();
};

void ThrowRulesTest::drawsRoundHalvesToEvenOrFloor_data() {
    QTest::addColumn<bool>("rounded"); // round(u × n), else floor(u × n) + 1
    QTest::addColumn<double>("u");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("value");
    QTest::newRow("round: 0 gives the low end") << true << 0.0 << 9 << 0;
    QTest::newRow("round: just below 1 gives the high end") << true << 0.9999999 << 9 << 9;
    QTest::newRow("round: 4.5 goes to 4") << true << 0.5 << 9 << 4;
    QTest::newRow("round: 49.5 goes to 50") << true << 0.5 << 99 << 50;
    QTest::newRow("round: 1.5 goes to 2") << true << 0.25 << 6 << 2;
    QTest::newRow("round: just above a half goes up") << true << 0.5001 << 9 << 5;
    QTest::newRow("floor: 0") << false << 0.0 << 9 << 1;
    QTest::newRow("floor: 1/9 and a bit") << false << 0.1112 << 9 << 2;
    QTest::newRow("floor: just below 1") << false << 0.9999999 << 9 << 9;
}

void ThrowRulesTest::drawsRoundHalvesToEvenOrFloor() {
    QFETCH(bool, rounded);
    QFETCH(double, u);
    QFETCH(int, n);
    QFETCH(int, value);
    ScriptedRandomSource random{u};
    QCOMPARE(rounded ? drawRounded(random, n) : drawFloorPlusOne(random, n), value);
}

void ThrowRulesTest::makeThrowMapsEachBandToItsPlayType_data() {
    QTest::addColumn<int>("r");
    QTest::addColumn<int>("playType");
    const QList<QPair<int, int>> bands{{1, PlayType::Long},    {35, PlayType::Long},
                                       {36, PlayType::Short},  {70, PlayType::Short},
                                       {71, PlayType::Medium}, {91, PlayType::Medium},
                                       {92, PlayType::Blitz},  {100, PlayType::Blitz}};
    for (const auto& [r, playType] : bands)
        QTest::addRow("r=%d", r) << r << playType;
}

void ThrowRulesTest::makeThrowMapsEachBandToItsPlayType() {
    QFETCH(int, r);
    QFETCH(int, playType);
    // r = round(u × 99) + 1, so u = (r − 1) / 99 draws r.
    ScriptedRandomSource random{(r - 1) / 99.0};
    QCOMPARE(makeThrow(random), playType);
    QCOMPARE(random.reseeds(), 1);
}

void ThrowRulesTest::checkThrowGradesByDistanceFromTheTarget_data() {
    QTest::addColumn<int>("meter");
    QTest::addColumn<int>("grade");
    const QList<QPair<int, int>> rows{{39, 1}, {40, 1}, {41, 1}, {37, 2}, {36, 2}, {43, 2}, {44, 2},
                                      {35, 3}, {45, 3}, {34, 4}, {46, 4}, {50, 4}, {0, 4}};
    for (const auto& [meter, grade] : rows)
        QTest::addRow("meter %d", meter) << meter << grade;
}

void ThrowRulesTest::checkThrowGradesByDistanceFromTheTarget() {
    QFETCH(int, meter);
    QFETCH(int, grade);
    ScriptedRandomSource random; // draws nothing away from two steps off
    QCOMPARE(checkThrow(random, distanceFromTarget(meter), 0), grade);
    QCOMPARE(random.reseeds(), 0);
}

void ThrowRulesTest::twoStepsOffCompletesUpToTheStreakThreshold_data() {
    QTest::addColumn<int>("longestInRow");
    QTest::addColumn<int>("threshold");
    const QList<QPair<int, int>> rows{{0, 4}, {1, 4}, {2, 5}, {3, 5}, {4, 6}, {5, 7},
                                      {6, 7}, {7, 8}, {8, 8}, {9, 9}, {30, 9}};
    for (const auto& [longest, threshold] : rows)
        QTest::addRow("longest %d", longest) << longest << threshold;
}

void ThrowRulesTest::twoStepsOffCompletesUpToTheStreakThreshold() {
    QFETCH(int, longestInRow);
    QFETCH(int, threshold);
    const auto longest = static_cast<std::int16_t>(longestInRow);
    for (const int meter : {38, 42}) {
        // k = floor(u × 9) + 1; the middle of k's ninth draws it exactly.
        ScriptedRandomSource atThreshold{(threshold - 0.5) / 9.0};
        QCOMPARE(checkThrow(atThreshold, distanceFromTarget(meter), longest), ThrowGrade::OnTarget);
        if (threshold < 9) {
            ScriptedRandomSource above{(threshold + 0.5) / 9.0};
            QCOMPARE(checkThrow(above, distanceFromTarget(meter), longest),
                     ThrowGrade::SlightlyOff);
        }
    }
}

void ThrowRulesTest::speedsFollowTheirRow_data() {
    QTest::addColumn<double>("u");
    QTest::addColumn<QList<int>>("speeds"); // short, medium, long, blitz
    QTest::newRow("r=1 slow meter") << 0.0 << QList<int>{12, 10, 8, 7};
    QTest::newRow("r=2") << 1.0 / 9 << QList<int>{11, 9, 7, 6};
    QTest::newRow("r=9") << 8.0 / 9 - 0.01 << QList<int>{11, 9, 7, 6};
    QTest::newRow("r=10 fast meter") << 0.99 << QList<int>{10, 8, 6, 5};
}

void ThrowRulesTest::speedsFollowTheirRow() {
    QFETCH(double, u);
    QFETCH(QList<int>, speeds);
    ScriptedRandomSource random{u};
    GameState state;
    determineSpeeds(random, state);
    QCOMPARE((QList<int>{state.ShortSpeed, state.MediumSpeed, state.LongSpeed, state.BlitzSpeed}),
             speeds);
    QCOMPARE(random.reseeds(), 1);
}

void ThrowRulesTest::maxThrowsRangesFollowTheirBase_data() {
    QTest::addColumn<int>("r");
    QTest::addColumn<int>("low");
    const QList<QPair<int, int>> bases{{1, 20}, {2, 26}, {7, 26}, {8, 30}, {9, 33}, {10, 36}};
    for (const auto& [r, base] : bases)
        QTest::addRow("r=%d", r) << r << base;
}

void ThrowRulesTest::maxThrowsRangesFollowTheirBase() {
    QFETCH(int, r);
    QFETCH(int, low);
    GameState state;
    ScriptedRandomSource lowest{(r - 1) / 9.0, 0.0};
    determineMaxThrows(lowest, state);
    QCOMPARE(int(state.MaxThrows), low);
    ScriptedRandomSource highest{(r - 1) / 9.0, 0.9999};
    determineMaxThrows(highest, state);
    QCOMPARE(int(state.MaxThrows), low + 6);
}

// Within five standard errors of each expected share, so a fixed seed never flakes and a
// misplaced band edge (a shift of 1/99 or more) still fails.
void ThrowRulesTest::seededDrawsFollowTheirChances() {
    MixingRandomSource random(fixedSeed);
    std::array<int, 5> types{};
    std::map<int, int> shortSpeeds;
    std::map<int, int> maxThrows;
    GameState state;
    for (int i = 0; i < draws; ++i) {
        ++types[static_cast<std::size_t>(makeThrow(random))];
        determineSpeeds(random, state);
        ++shortSpeeds[state.ShortSpeed];
        determineMaxThrows(random, state);
        ++maxThrows[state.MaxThrows];
    }
    compareShare(types[PlayType::Long], 34.5 / 99);
    compareShare(types[PlayType::Short], 35.0 / 99);
    compareShare(types[PlayType::Medium], 21.0 / 99);
    compareShare(types[PlayType::Blitz], 8.5 / 99);
    compareShare(shortSpeeds[12], 1.0 / 18);
    compareShare(shortSpeeds[11], 16.0 / 18);
    compareShare(shortSpeeds[10], 1.0 / 18);
    // Bases by r = round(u × 9) + 1, spread round(u × 6): ends half as likely as the middle.
    const std::map<int, double> baseChance{
        {20, 1.0 / 18}, {26, 6.0 / 9}, {30, 1.0 / 9}, {33, 1.0 / 9}, {36, 1.0 / 18}};
    std::map<int, double> expected;
    for (const auto& [base, chance] : baseChance)
        for (int spread = 0; spread <= 6; ++spread)
            expected[base + spread] += chance * (spread == 0 || spread == 6 ? 1.0 / 12 : 1.0 / 6);
    QCOMPARE(maxThrows.begin()->first, 20);
    QCOMPARE(maxThrows.rbegin()->first, 42);
    for (const auto& [value, chance] : expected)
        compareShare(maxThrows[value], chance);
}

void ThrowRulesTest::reseedsWithinOneClockTickStillDiffer() {
    MixingRandomSource random([] { return 43200.25; });
    random.reseed();
    const double first = random.uniform();
    random.reseed();
    const double second = random.uniform();
    QVERIFY(first != second);
    QVERIFY(first >= 0 && first < 1 && second >= 0 && second < 1);
    // A seeded source reads no clock: reseeding twice draws as reseeding once.
    MixingRandomSource one(7);
    MixingRandomSource other(7);
    for (int i = 0; i < 100; ++i) {
        one.reseed();
        other.reseed();
        other.reseed();
        QCOMPARE(one.uniform(), other.uniform());
    }
}

QTEST_GUILESS_MAIN(ThrowRulesTest)
#include "throwrules_test.moc"
