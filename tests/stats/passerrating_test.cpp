// SPDX-License-Identifier: MIT
#include "play/gamestate.h"
#include "stats/passerrating.h"
#include "storage/seasonstats.h"

#include <QTest>

class PasserRatingTest : public QObject {
    Q_OBJECT
private slots:
    void ratesTheWorkedExamples_data();
    void ratesTheWorkedExamples();
    void theThreeOperationsShareOneArithmetic();
};

void PasserRatingTest::ratesTheWorkedExamples_data() {
    QTest::addColumn<int>("att");
    QTest::addColumn<int>("comp");
    QTest::addColumn<int>("yds");
    QTest::addColumn<int>("td");
    QTest::addColumn<int>("ints");
    QTest::addColumn<qint64>("hundredths");
    QTest::newRow("perfect") << 10 << 10 << 200 << 3 << 0 << qint64(15833);
    QTest::newRow("all components zero") << 1 << 0 << 0 << 0 << 1 << qint64(0);
    QTest::newRow("no attempts") << 0 << 5 << 100 << 2 << 0 << qint64(0);
    QTest::newRow("negative attempts") << -3 << 0 << 0 << 0 << 0 << qint64(0);
    QTest::newRow("79.17") << 20 << 12 << 150 << 1 << 1 << qint64(7917);
    QTest::newRow("89.58") << 30 << 18 << 210 << 2 << 1 << qint64(8958);
    QTest::newRow("39.58, two components exactly 0") << 10 << 3 << 30 << 0 << 0 << qint64(3958);
    QTest::newRow("45.15, components rounded first") << 3 << 1 << 11 << 0 << 0 << qint64(4515);
    QTest::newRow("interception rate 9.5% drives it to 0") << 200 << 0 << 0 << 0 << 19 << qint64(0);
    QTest::newRow("negative yards bounded at 0") << 10 << 10 << -50 << 0 << 0 << qint64(7917);
    QTest::newRow("touchdown component capped") << 4 << 4 << 80 << 4 << 0 << qint64(15833);
    // 1.625 + 1.203 (from 1.203125) + 1.25 + 1.594 (2.375 - 0.781) = 5.672
    QTest::newRow("yards and interception components rounded")
        << 32 << 20 << 250 << 2 << 1 << qint64(9453);
}

void PasserRatingTest::ratesTheWorkedExamples() {
    QFETCH(int, att);
    QFETCH(int, comp);
    QFETCH(int, yds);
    QFETCH(int, td);
    QFETCH(int, ints);
    QFETCH(qint64, hundredths);
    QCOMPARE(passerRating({att, comp, yds, td, ints}).tenThousandths, hundredths * 100);
}

void PasserRatingTest::theThreeOperationsShareOneArithmetic() {
    GameState state;
    state.GameAttempts = 30;
    state.GameCompletions = 18;
    state.GameYards = 210;
    state.GameTDs = 2;
    state.GameINTs = 1;
    state.SeasonAttempts = 20;
    state.SeasonCompletions = 12;
    state.SeasonYards = 150;
    state.SeasonTDs = 1;
    state.SeasonINTs = 1;
    SeasonStats season;
    season.Att = 3;
    season.Comp = 1;
    season.Yds = 11;
    season.ShortAtt = 99; // not read
    QCOMPARE(getQBRating(state), Currency::fromHundredths(8958));
    QCOMPARE(getCareerQBRating(state), Currency::fromHundredths(7917));
    QCOMPARE(getSeasonRating(season), Currency::fromHundredths(4515));
}

QTEST_GUILESS_MAIN(PasserRatingTest)
#include "passerrating_test.moc"
