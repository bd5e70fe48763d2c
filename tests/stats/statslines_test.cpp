// SPDX-License-Identifier: MIT
#include "play/gamestate.h"
#include "stats/statslines.h"

#include <QTest>

class StatsLinesTest : public QObject {
    Q_OBJECT
private slots:
    void gameLines_data();
    void gameLines();
    void seasonLineAndFrameCaption();
};

void StatsLinesTest::gameLines_data() {
    QTest::addColumn<QList<int>>("counts"); // attempts, completions, yards, TDs, INTs
    QTest::addColumn<QString>("line");
    QTest::newRow("worked example")
        << QList<int>{20, 12, 150, 1, 1} << "12-20 60% 150 YDS 1 TD 1 INT 79.17";
    QTest::newRow("no attempt yet") << QList<int>{0, 0, 0, 0, 0} << "0-0 0% 0 YDS 0 TD 0 INT .00";
    QTest::newRow("misses only") << QList<int>{5, 0, 0, 0, 2} << "0-5 0% 0 YDS 0 TD 2 INT .00";
    QTest::newRow("perfect") << QList<int>{10, 10, 200, 3, 0}
                             << "10-10 100% 200 YDS 3 TD 0 INT 158.33";
    QTest::newRow("6.25 rounds up")
        << QList<int>{16, 1, 10, 0, 0} << "1-16 6.3% 10 YDS 0 TD 0 INT 39.58";
    // Only the interception component is left: 2.375 − 2.344 (75 / 32 rounded) = 0.031
    QTest::newRow("a rating below 1")
        << QList<int>{32, 9, 0, 0, 3} << "9-32 28.1% 0 YDS 0 TD 3 INT .52";
}

void StatsLinesTest::gameLines() {
    QFETCH(QList<int>, counts);
    QFETCH(QString, line);
    GameState state;
    state.GameAttempts = static_cast<std::int16_t>(counts[0]);
    state.GameCompletions = static_cast<std::int16_t>(counts[1]);
    state.GameYards = static_cast<std::int16_t>(counts[2]);
    state.GameTDs = static_cast<std::int16_t>(counts[3]);
    state.GameINTs = static_cast<std::int16_t>(counts[4]);
    QCOMPARE(gameLine(state, QStringLiteral(".")), line);
}

void StatsLinesTest::seasonLineAndFrameCaption() {
    GameState state;
    state.SeasonGames = 3;
    state.SeasonAttempts = 70;
    state.SeasonCompletions = 45;
    state.SeasonYards = 520;
    state.SeasonTDs = 4;
    state.SeasonINTs = 2;
    state.SeasonNumber = 4;
    state.GameAttempts = 9; // the game in progress is not part of the season line
    QCOMPARE(seasonLine(state, QStringLiteral(".")),
             QStringLiteral("G 3 45-70 64.3% 520 YDS 4 TD 2 INT 93.75"));
    QCOMPARE(seasonLine(state, QStringLiteral(",")),
             QStringLiteral("G 3 45-70 64,3% 520 YDS 4 TD 2 INT 93,75"));
    QCOMPARE(seasonFrameCaption(state), QStringLiteral("Season 4 Stats"));
}

QTEST_GUILESS_MAIN(StatsLinesTest)
#include "statslines_test.moc"
