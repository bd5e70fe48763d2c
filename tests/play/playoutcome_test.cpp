// SPDX-License-Identifier: MIT
#include "support/scriptedrandom.h"

#include "play/gamestate.h"
#include "play/playoutcome.h"
#include "play/playtype.h"
#include "play/throwrules.h"
#include "stats/statslines.h"
#include "stats/yardage.h"

#include <QTest>

namespace {

// u values that make R(s) = round(u × s) draw exactly `value`.
double drawing(int value, int span) {
    return double(value) / span;
}

struct Play {
    GameState state;
    ScriptedRandomSource random;
    int meter = 0;

    ThrowOutcome throwBall(std::int16_t grade, std::int16_t playType) {
        return figureResults(random, state, grade, playType, distanceFromTarget(meter));
    }
    Gain yards(std::int16_t playType) {
        return figureYards(random, playType, distanceFromTarget(meter));
    }
};

} // namespace

class PlayOutcomeTest : public QObject {
    Q_OBJECT
private slots:
    void incompletionAndInterceptionTextsAndPictures_data();
    void incompletionAndInterceptionTextsAndPictures();
    void completionCountsAndLeavesTheTextToTheYardage();
    void streaksKeepTheLongestRun();
    void aThrowWithoutAPlayTypeCountsOnlyWhatItCan();
    void yardageRowsSpanTheirRange_data();
    void yardageRowsSpanTheirRange();
    void touchdownRollScoresUpToItsThreshold_data();
    void touchdownRollScoresUpToItsThreshold();
    void yardageTexts_data();
    void yardageTexts();
    void farFromTheTargetGainsNothing();
};

void PlayOutcomeTest::incompletionAndInterceptionTextsAndPictures_data() {
    QTest::addColumn<int>("grade");
    QTest::addColumn<int>("playType");
    QTest::addColumn<double>("u"); // the interception roll r = round(u × 9) + 1
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("ints");
    QTest::newRow("slightly off never intercepted")
        << 2 << int(PlayType::Short) << -1.0 << "Short Pass Incomplete!" << 0;
    QTest::newRow("off, r=2 intercepted")
        << 3 << int(PlayType::Blitz) << drawing(1, 9) << "BLITZ! INTERCEPTED!" << 1;
    QTest::newRow("off, r=3 incomplete")
        << 3 << int(PlayType::Long) << drawing(2, 9) << "Long Pass Incomplete!" << 0;
    QTest::newRow("far off, r=3 intercepted")
        << 4 << int(PlayType::Medium) << drawing(2, 9) << "Medium Pass INTERCEPTED!" << 1;
    QTest::newRow("far off, r=4 incomplete")
        << 4 << int(PlayType::Medium) << drawing(3, 9) << "Medium Pass Incomplete!" << 0;
}

void PlayOutcomeTest::incompletionAndInterceptionTextsAndPictures() {
    QFETCH(int, grade);
    QFETCH(int, playType);
    QFETCH(double, u);
    QFETCH(QString, text);
    QFETCH(int, ints);
    Play play;
    if (u >= 0)
        play.random.push(u);
    play.state.CurrentInRow = 4;
    play.state.LongestInRow = 4;
    const auto type = static_cast<std::int16_t>(playType);
    const ThrowOutcome outcome = play.throwBall(static_cast<std::int16_t>(grade), type);
    QCOMPARE(outcome.text, text);
    QCOMPARE(int(play.state.GameAttempts), 1);
    QCOMPARE(int(*play.state.countersOf(type).attempts), 1);
    QCOMPARE(int(play.state.GameCompletions), 0);
    QCOMPARE(int(play.state.GameINTs), ints);
    QCOMPARE(int(*play.state.countersOf(type).ints), ints);
    QCOMPARE(outcome.intercepted, ints == 1);
    QCOMPARE(int(play.state.CurrentInRow), 0);
    QCOMPARE(int(play.state.LongestInRow), 4);
    QVERIFY(play.random.empty());
    QCOMPARE(gameLine(play.state, QStringLiteral(".")),
             ints ? QStringLiteral("0-1 0% 0 YDS 0 TD 1 INT .00")
                  : QStringLiteral("0-1 0% 0 YDS 0 TD 0 INT 39.58"));
}

void PlayOutcomeTest::completionCountsAndLeavesTheTextToTheYardage() {
    Play play;
    play.meter = 40;
    play.random.push(drawing(2, 15)); // Medium at d=0: 6 + 2 yards
    play.random.push(drawing(5, 9));  // touchdown roll 6 > 2: no score
    const ThrowOutcome outcome = play.throwBall(ThrowGrade::OnTarget, PlayType::Medium);
    QCOMPARE(outcome.text, QStringLiteral("Medium Pass 8 yard gain"));
    QCOMPARE(int(play.state.GameAttempts), 1);
    QCOMPARE(int(play.state.GameCompletions), 1);
    QCOMPARE(int(play.state.GameMediumCompletions), 1);
    QCOMPARE(int(play.state.GameMediumYards), 8);
    QCOMPARE(int(play.state.GameYards), 8);
    QCOMPARE(int(play.state.GameTDs), 0);
    // 2.375 + (8 − 3) / 4 + 0 + 2.375 = 6, a rating of 100
    QCOMPARE(gameLine(play.state, QStringLiteral(".")),
             QStringLiteral("1-1 100% 8 YDS 0 TD 0 INT 100.00"));
}

void PlayOutcomeTest::streaksKeepTheLongestRun() {
    Play play;
    play.meter = 39;
    const QList<int> grades{1, 1, 1, 2, 1, 1};
    for (const int grade : grades) {
        if (grade == 1) {
            play.random.push(0.0); // Short at d=1: 2 yards
        }
        play.throwBall(static_cast<std::int16_t>(grade), PlayType::Short);
    }
    QCOMPARE(int(play.state.CurrentInRow), 2);
    QCOMPARE(int(play.state.LongestInRow), 3);
    QCOMPARE(int(play.state.GameShortAttempts), 6);
    QCOMPARE(int(play.state.GameShortCompletions), 5);
    QCOMPARE(int(play.state.GameShortYards), 10);
}

void PlayOutcomeTest::aThrowWithoutAPlayTypeCountsOnlyWhatItCan() {
    Play play;
    QVERIFY(!play.throwBall(ThrowGrade::OnTarget, PlayType::None).text);
    QCOMPARE(int(play.state.CurrentInRow), 1);
    QCOMPARE(int(play.state.GameAttempts), 0);
    QCOMPARE(int(play.state.GameCompletions), 0);

    QCOMPARE(play.throwBall(ThrowGrade::SlightlyOff, PlayType::None).text,
             QStringLiteral(" Incomplete!"));
    play.random.push(0.0);
    QCOMPARE(play.throwBall(ThrowGrade::FarOff, PlayType::None).text,
             QStringLiteral(" INTERCEPTED!"));
    QCOMPARE(int(play.state.GameAttempts), 2);
    QCOMPARE(int(play.state.GameINTs), 1);
    int blockTotal = 0;
    for (std::int16_t type = PlayType::Short; type <= PlayType::Blitz; ++type) {
        const PlayTypeCounters block = play.state.countersOf(type);
        blockTotal += *block.attempts + *block.completions + *block.ints;
    }
    QCOMPARE(blockTotal, 0);
}

void PlayOutcomeTest::yardageRowsSpanTheirRange_data() {
    QTest::addColumn<int>("playType");
    QTest::addColumn<int>("meter");
    QTest::addColumn<int>("base");
    QTest::addColumn<int>("span");
    QTest::addColumn<bool>("rolls"); // whether the row has a touchdown roll
    const struct {
        int type, distance, base, span;
        bool rolls;
    } rows[] = {{1, 0, 6, 6, true},   {1, 1, 2, 6, false},  {1, 2, 0, 5, false},
                {2, 0, 6, 15, true},  {2, 1, 6, 11, true},  {2, 2, 5, 5, false},
                {3, 0, 15, 35, true}, {3, 1, 10, 25, true}, {3, 2, 5, 15, true},
                {4, 0, 10, 50, true}, {4, 1, 10, 20, true}, {4, 2, 10, 15, true}};
    for (const auto& row : rows) {
        QTest::addRow("type %d d=%d below", row.type, row.distance)
            << row.type << 40 - row.distance << row.base << row.span << row.rolls;
        QTest::addRow("type %d d=%d above", row.type, row.distance)
            << row.type << 40 + row.distance << row.base << row.span << row.rolls;
    }
}

void PlayOutcomeTest::yardageRowsSpanTheirRange() {
    QFETCH(int, playType);
    QFETCH(int, meter);
    QFETCH(int, base);
    QFETCH(int, span);
    QFETCH(bool, rolls);
    const auto type = static_cast<std::int16_t>(playType);
    for (const auto& [u, yards] : {QPair<double, int>{0.0, base}, {0.99999, base + span}}) {
        Play play;
        play.meter = meter;
        play.random.push(u);
        if (rolls)
            play.random.push(0.99999); // roll 10: never a touchdown
        const Gain gain = play.yards(type);
        QCOMPARE(gain.yards, yards);
        QVERIFY(!gain.touchdown);
        QVERIFY(play.random.empty());
    }
}

void PlayOutcomeTest::touchdownRollScoresUpToItsThreshold_data() {
    QTest::addColumn<int>("playType");
    QTest::addColumn<int>("distance");
    QTest::addColumn<int>("threshold");
    const int rows[][3] = {{1, 0, 1}, {2, 0, 2}, {2, 1, 1}, {3, 0, 3}, {3, 1, 2},
                           {3, 2, 1}, {4, 0, 4}, {4, 1, 3}, {4, 2, 2}};
    for (const auto& row : rows)
        QTest::addRow("type %d d=%d", row[0], row[1]) << row[0] << row[1] << row[2];
}

void PlayOutcomeTest::touchdownRollScoresUpToItsThreshold() {
    QFETCH(int, playType);
    QFETCH(int, distance);
    QFETCH(int, threshold);
    const auto type = static_cast<std::int16_t>(playType);
    for (const int roll : {threshold, threshold + 1}) {
        Play play;
        play.meter = 40 + distance;
        play.random.push(0.0);
        play.random.push(drawing(roll - 1, 9));
        const ThrowOutcome outcome = play.throwBall(ThrowGrade::OnTarget, type);
        const int scored = roll <= threshold ? 1 : 0;
        QCOMPARE(int(play.state.GameTDs), scored);
        QCOMPARE(int(*play.state.countersOf(type).tds), scored);
        QCOMPARE(outcome.touchdown, scored == 1);
    }
}

void PlayOutcomeTest::yardageTexts_data() {
    QTest::addColumn<int>("playType");
    QTest::addColumn<int>("meter");
    QTest::addColumn<QList<double>>("draws");
    QTest::addColumn<QString>("text");
    QTest::newRow("short gains nothing")
        << 1 << 38 << QList<double>{0.0} << "Short Pass 0 yard gain";
    QTest::newRow("medium 14 yards")
        << 2 << 41 << QList<double>{drawing(8, 11), 0.9} << "Medium Pass 14 yard gain";
    QTest::newRow("long 5-yard touchdown")
        << 3 << 42 << QList<double>{0.0, 0.0} << "Long Pass 5 yards TOUCHDOWN!";
    QTest::newRow("blitz 60-yard touchdown")
        << 4 << 40 << QList<double>{0.99999, 0.0} << "BLITZ! 60 yards TOUCHDOWN!";
}

void PlayOutcomeTest::yardageTexts() {
    QFETCH(int, playType);
    QFETCH(int, meter);
    QFETCH(QList<double>, draws);
    QFETCH(QString, text);
    Play play;
    play.meter = meter;
    for (const double u : draws)
        play.random.push(u);
    const ThrowOutcome outcome =
        play.throwBall(ThrowGrade::OnTarget, static_cast<std::int16_t>(playType));
    QCOMPARE(outcome.text, text);
    QCOMPARE(outcome.touchdown, text.endsWith(QStringLiteral("TOUCHDOWN!")));
    QCOMPARE(play.random.reseeds(), 2); // the outcome's and the yardage's
}

void PlayOutcomeTest::farFromTheTargetGainsNothing() {
    Play play;
    play.meter = 47;
    QCOMPARE(play.throwBall(ThrowGrade::OnTarget, PlayType::Long).text,
             QStringLiteral("Long Pass 0 yard gain"));
    QCOMPARE(int(play.state.GameYards), 0);
    QCOMPARE(int(play.state.GameTDs), 0);
}

QTEST_GUILESS_MAIN(PlayOutcomeTest)
#include "playoutcome_test.moc"
