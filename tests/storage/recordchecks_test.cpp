// SPDX-License-Identifier: MIT
#include "play/gamestate.h"
#include "storage/careerrecords.h"
#include "storage/recordchecks.h"
#include "storage/seasonstats.h"

#include <QTest>

namespace {

GameState game(int attempts, int completions, int yards, int tds, int ints, int inRow) {
    GameState g;
    g.GameAttempts = static_cast<std::int16_t>(attempts);
    g.GameCompletions = static_cast<std::int16_t>(completions);
    g.GameYards = static_cast<std::int16_t>(yards);
    g.GameTDs = static_cast<std::int16_t>(tds);
    g.GameINTs = static_cast<std::int16_t>(ints);
    g.LongestInRow = static_cast<std::int16_t>(inRow);
    return g;
}

SeasonStats season(int att, int comp, int yds, int td, int ints) {
    SeasonStats s;
    s.Games = 16;
    s.Att = att;
    s.Comp = comp;
    s.Yds = yds;
    s.TD = td;
    s.Int = ints;
    return s;
}

} // namespace

class RecordChecksTest : public QObject {
    Q_OBJECT
private slots:
    void aFirstGameBreaksWhatItRaisesAboveZero();
    void tiesBreakNothing();
    void mostInterceptionsIsKeptSilently();
    void sevenOfNineIsStoredToOneDecimal();
    void theFirstCompletedSeasonSetsTheFewestInterceptions();
};

void RecordChecksTest::aFirstGameBreaksWhatItRaisesAboveZero() {
    CareerRecords records;
    QVERIFY(checkBestGame(game(20, 12, 150, 1, 1, 5), records));
    QCOMPARE(records.MostGameYds, 150);
    QCOMPARE(records.MostGameTD, 1);
    QCOMPARE(records.MostGameInt, 1);
    QCOMPARE(records.MostInRow, 5);
    QCOMPARE(records.BestGameCompPct, Currency::fromTenths(600));
    CareerRecords empty;
    QVERIFY(!checkBestGame(game(20, 0, 0, 0, 4, 0), empty));
    QCOMPARE(empty.MostGameInt, 4);
}

void RecordChecksTest::tiesBreakNothing() {
    CareerRecords records;
    checkBestGame(game(20, 12, 150, 1, 1, 5), records);
    const CareerRecords before = records;
    QVERIFY(!checkBestGame(game(30, 18, 150, 1, 0, 5), records)); // 60% again
    QCOMPARE(records, before);
    QVERIFY(checkBestGame(game(30, 18, 151, 0, 0, 0), records));
    QCOMPARE(records.MostGameYds, 151);
}

void RecordChecksTest::mostInterceptionsIsKeptSilently() {
    CareerRecords records;
    checkBestGame(game(20, 12, 150, 1, 1, 5), records);
    QVERIFY(!checkBestGame(game(20, 2, 10, 0, 6, 1), records));
    QCOMPARE(records.MostGameInt, 6);
}

void RecordChecksTest::sevenOfNineIsStoredToOneDecimal() {
    CareerRecords records;
    QVERIFY(checkBestGame(game(9, 7, 50, 0, 0, 3), records));
    QCOMPARE(records.BestGameCompPct.tenThousandths, 778000);
    QVERIFY(!checkBestGame(game(9, 7, 40, 0, 0, 2), records));
}

void RecordChecksTest::theFirstCompletedSeasonSetsTheFewestInterceptions() {
    CareerRecords records;
    checkSeasonRecords(season(500, 300, 3500, 20, 12), records);
    QCOMPARE(records.LeastSeasonInt, 12);
    QCOMPARE(records.MostSeasonYds, 3500);
    QCOMPARE(records.MostSeasonTD, 20);
    QCOMPARE(records.BestSeasonCompPct, Currency::fromTenths(600));
    checkSeasonRecords(season(500, 250, 3000, 10, 14), records);
    QCOMPARE(records.LeastSeasonInt, 12);
    QCOMPARE(records.MostSeasonYds, 3500);
    checkSeasonRecords(season(500, 250, 3000, 10, 11), records);
    QCOMPARE(records.LeastSeasonInt, 11);
    const Currency best = records.BestSeasonRating;
    QVERIFY(Currency{} < best);
    checkSeasonRecords(season(500, 250, 3000, 10, 11), records);
    QCOMPARE(records.BestSeasonRating, best);
}

QTEST_GUILESS_MAIN(RecordChecksTest)
#include "recordchecks_test.moc"
