// SPDX-License-Identifier: MIT
// The play cycle's rules without the window: the redraw, the count running on across snaps, the
// press graded at its moment, the full meter and the order of a game's end. What the window
// shows of them is the window test's.
#include "support/fakecareer.h"
#include "support/playtypedraw.h"
#include "support/scriptedrandom.h"

#include "play/gamesession.h"
#include "play/playtype.h"

#include <QStringList>
#include <QTest>

namespace {

// u values for the draws of a new game: speeds row r=5 (11, 9, 7, 6), then MaxThrows.
void scriptNewGame(ScriptedRandomSource& random, int maxThrowsOffset) {
    random.push(4.0 / 9);               // MaxThrows row r=5: base 26
    random.push(maxThrowsOffset / 6.0); // + offset
    random.push(4.0 / 9);               // speeds row r=5
}

FakeCareer seasonTwoAfterThreeGames() {
    FakeCareer career;
    career.seasonNumber = 2;
    career.gamesBefore = 3;
    return career;
}

struct Session {
    ScriptedRandomSource random;
    FakeCareer career = seasonTwoAfterThreeGames();
    GameSession game{random, career, QStringLiteral(".")};

    void snap(std::int16_t playType) {
        random.push(playTypeDraw(playType));
        game.press();
    }
    void ticks(int count) {
        for (int i = 0; i < count; ++i)
            game.tick();
    }
};

} // namespace

class GameSessionTest : public QObject {
    Q_OBJECT
private slots:
    void aRepeatedPlayTypeIsDrawnOnceMore();
    void tickCountRunsOnFromSnapToSnap();
    void aLatePressIsGradedOnTheMeterOfItsMoment_data();
    void aLatePressIsGradedOnTheMeterOfItsMoment();
    void aFullMeterThrowIsFarOff();
    void theLastAttemptClosesTheGameInOrder_data();
    void theLastAttemptClosesTheGameInOrder();
};

void GameSessionTest::aRepeatedPlayTypeIsDrawnOnceMore() {
    Session s;
    scriptNewGame(s.random, 0);
    s.game.newGame();
    s.snap(PlayType::Long);
    s.random.push(0.0); // Long pass, would be graded and gain yards
    s.random.push(0.0);
    s.ticks(40 * 7);
    s.game.press();
    // Long again is redrawn; the second draw stands even when it repeats.
    s.random.push(playTypeDraw(PlayType::Long));
    s.random.push(playTypeDraw(PlayType::Short));
    s.game.press();
    QCOMPARE(int(s.game.state().ThrowType), int(PlayType::Short));
    s.ticks(40 * 11);
    QCOMPARE(s.game.state().Meter, 40);
    s.random.push(0.0); // short gain
    s.random.push(0.9); // no touchdown
    s.game.press();
    s.random.push(playTypeDraw(PlayType::Short));
    s.random.push(playTypeDraw(PlayType::Short));
    s.game.press();
    QCOMPARE(int(s.game.state().ThrowType), int(PlayType::Short));
    QVERIFY(s.random.empty());
}

void GameSessionTest::tickCountRunsOnFromSnapToSnap() {
    Session s;
    scriptNewGame(s.random, 0);
    s.game.newGame();
    s.snap(PlayType::Blitz); // speed 6
    s.ticks(4);
    s.random.push(0.9); // grade 4 at meter 0: no interception (r = 9)
    s.game.press();
    s.snap(PlayType::Short); // speed 11; TickCount is 4, so the first step comes after 7
    s.ticks(6);
    QCOMPARE(s.game.state().Meter, 0);
    s.ticks(1);
    QCOMPARE(s.game.state().Meter, 1);
    QCOMPARE(s.game.state().TickCount, 11);
}

void GameSessionTest::aLatePressIsGradedOnTheMeterOfItsMoment_data() {
    QTest::addColumn<int>("playType");
    QTest::addColumn<int>("ticks");     // delivered before the press is handled
    QTest::addColumn<int>("lateTicks"); // of those, the ones after the press
    QTest::addColumn<int>("tickCount");
    QTest::addColumn<int>("meter");
    QTest::addColumn<QList<double>>("draws");
    QTest::addColumn<QString>("outcome");
    // Long Pass, speed 7: the meter filled and stopped during the hold-up; the press came at 40.
    QTest::newRow("filled after the press")
        << int(PlayType::Long) << 7 * 50 + 40 << 69 << 281 << 40 << QList<double>{0.0, 0.9999}
        << "Long Pass 15 yard gain";
    // Nothing before the snap is taken back: the count stops at the snap's 0.
    QTest::newRow("later than the snap")
        << int(PlayType::Blitz) << 20 << 45 << 0 << 0 << QList<double>{0.9} << "BLITZ! Incomplete!";
}

void GameSessionTest::aLatePressIsGradedOnTheMeterOfItsMoment() {
    QFETCH(int, playType);
    QFETCH(int, ticks);
    QFETCH(int, lateTicks);
    QFETCH(int, tickCount);
    QFETCH(int, meter);
    QFETCH(QList<double>, draws);
    QFETCH(QString, outcome);
    Session s;
    scriptNewGame(s.random, 0);
    s.game.newGame();
    s.snap(static_cast<std::int16_t>(playType));
    s.ticks(ticks);
    for (const double u : draws)
        s.random.push(u);
    s.game.press(lateTicks);
    QCOMPARE(s.game.state().TickCount, tickCount);
    QCOMPARE(s.game.state().Meter, meter);
    QCOMPARE(s.game.view().currentThrow, outcome);
    QVERIFY(!s.game.view().timerStarted);
    QVERIFY(s.random.empty());
}

void GameSessionTest::aFullMeterThrowIsFarOff() {
    Session s;
    scriptNewGame(s.random, 0);
    s.game.newGame();
    s.snap(PlayType::Long);
    s.ticks(7 * 50);
    s.random.push(2.0 / 9); // r = 3: intercepted on a far-off throw
    s.game.press();
    QCOMPARE(s.game.view().currentThrow, QStringLiteral("Long Pass INTERCEPTED!"));
    QCOMPARE(s.game.view().picture, Picture::Interception);
    QCOMPARE(s.game.view().buttonCaption, QStringLiteral("Hike"));
}

void GameSessionTest::theLastAttemptClosesTheGameInOrder_data() {
    QTest::addColumn<bool>("kept");
    QTest::addColumn<QStringList>("calls");
    QTest::newRow("saved") << true << QStringList{"save", "best", "open"};
    // A game the career does not hold is checked against no record.
    QTest::newRow("not saved") << false << QStringList{"save", "open"};
}

void GameSessionTest::theLastAttemptClosesTheGameInOrder() {
    QFETCH(bool, kept);
    QFETCH(QStringList, calls);
    Session s;
    s.career.keeps = kept;
    s.career.recordFalls = true;
    scriptNewGame(s.random, 0);
    s.game.newGame(); // 26 attempts
    s.career.calls.clear();
    for (int attempt = 0; attempt < 26; ++attempt) {
        s.snap(attempt % 2 ? PlayType::Long : PlayType::Short);
        s.random.push(0.9); // each throw at meter 0 is far off and not intercepted
        s.game.press();
    }
    QCOMPARE(s.career.calls, calls);
    QCOMPARE(s.career.savedAttempts, kept ? 26 : 0);
    QVERIFY(!s.game.view().buttonEnabled);
    QVERIFY(s.game.view().clearEnabled);
    QCOMPARE(s.game.view().buttonCaption, QStringLiteral("Hike"));
    QCOMPARE(s.game.view().careerStats, kept ? QStringLiteral("G 4 0-0 0% 0 YDS 0 TD 0 INT .00")
                                             : QStringLiteral("G 3 0-0 0% 0 YDS 0 TD 0 INT .00"));
    QCOMPARE(s.game.view().currentThrow, kept ? QStringLiteral("A Record Has Been Broken!")
                                              : QStringLiteral("Long Pass Incomplete!"));
}

QTEST_GUILESS_MAIN(GameSessionTest)
#include "gamesession_test.moc"
