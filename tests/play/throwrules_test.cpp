// SPDX-License-Identifier: MIT
#include "support/scriptedrandom.h"

#include "play/draws.h"
#include "play/gamestate.h"
#include "play/playtype.h"
#include "play/throwrules.h"

#include <QTest>

class ThrowRulesTest : public QObject {
    Q_OBJECT
private slots:
    void roundedDrawsSendExactHalvesToEven_data();
    void roundedDrawsSendExactHalvesToEven();
    void floorDrawsRunOneToN_data();
    void floorDrawsRunOneToN();
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
};

void ThrowRulesTest::roundedDrawsSendExactHalvesToEven_data() {
    QTest::addColumn<double>("u");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("value");
    QTest::newRow("0 gives the low end") << 0.0 << 9 << 0;
    QTest::newRow("just below 1 gives the high end") << 0.9999999 << 9 << 9;
    QTest::newRow("4.5 goes to 4") << 0.5 << 9 << 4;
    QTest::newRow("49.5 goes to 50") << 0.5 << 99 << 50;
    QTest::newRow("1.5 goes to 2") << 0.25 << 6 << 2;
    QTest::newRow("4.5 of six goes to 4") << 0.75 << 6 << 4;
    QTest::newRow("17.5 goes to 18") << 0.5 << 35 << 18;
    QTest::newRow("just below a half goes down") << 0.4999 << 9 << 4;
    QTest::newRow("just above a half goes up") << 0.5001 << 9 << 5;
}

void ThrowRulesTest::roundedDrawsSendExactHalvesToEven() {
    QFETCH(double, u);
    QFETCH(int, n);
    QFETCH(int, value);
    ScriptedRandomSource random{u};
    QCOMPARE(drawRounded(random, n), value);
}

void ThrowRulesTest::floorDrawsRunOneToN_data() {
    QTest::addColumn<double>("u");
    QTest::addColumn<int>("value");
    QTest::newRow("0") << 0.0 << 1;
    QTest::newRow("just below 1/9") << 0.111 << 1;
    QTest::newRow("1/9 and a bit") << 0.1112 << 2;
    QTest::newRow("a half") << 0.5 << 5;
    QTest::newRow("just below 1") << 0.9999999 << 9;
}

void ThrowRulesTest::floorDrawsRunOneToN() {
    QFETCH(double, u);
    QFETCH(int, value);
    ScriptedRandomSource random{u};
    QCOMPARE(drawFloorPlusOne(random, 9), value);
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
    QCOMPARE(checkThrow(random, meter, 0), grade);
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
        QCOMPARE(checkThrow(atThreshold, meter, longest), ThrowGrade::OnTarget);
        if (threshold < 9) {
            ScriptedRandomSource above{(threshold + 0.5) / 9.0};
            QCOMPARE(checkThrow(above, meter, longest), ThrowGrade::SlightlyOff);
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

QTEST_GUILESS_MAIN(ThrowRulesTest)
#include "throwrules_test.moc"
