// SPDX-License-Identifier: MIT
// Passer ratings, number texts and the two statistics lines, by their worked examples.
#include "play/gamestate.h"
#include "stats/exactround.h"
#include "stats/numbertext.h"
#include "stats/passerrating.h"
#include "stats/percentage.h"
#include "stats/statslines.h"
#include "storage/seasonstats.h"

#include <QTest>

class StatsTest : public QObject {
    Q_OBJECT
private slots:
    void ratingsFollowTheWorkedExamples_data();
    void ratingsFollowTheWorkedExamples();
    void numberTexts_data();
    void numberTexts();
    void statsLines();
};

void StatsTest::ratingsFollowTheWorkedExamples_data() {
    QTest::addColumn<QList<int>>("counts"); // attempts, completions, yards, TDs, INTs
    QTest::addColumn<qint64>("hundredths");
    QTest::newRow("perfect") << QList<int>{10, 10, 200, 3, 0} << qint64(15833);
    QTest::newRow("all components zero") << QList<int>{1, 0, 0, 0, 1} << qint64(0);
    QTest::newRow("no attempts") << QList<int>{0, 5, 100, 2, 0} << qint64(0);
    QTest::newRow("79.17") << QList<int>{20, 12, 150, 1, 1} << qint64(7917);
    QTest::newRow("89.58") << QList<int>{30, 18, 210, 2, 1} << qint64(8958);
    QTest::newRow("39.58, two components exactly 0") << QList<int>{10, 3, 30, 0, 0} << qint64(3958);
    QTest::newRow("45.15, components rounded first") << QList<int>{3, 1, 11, 0, 0} << qint64(4515);
    QTest::newRow("9.5% interceptions drive it to 0") << QList<int>{200, 0, 0, 0, 19} << qint64(0);
    QTest::newRow("negative yards bounded at 0") << QList<int>{10, 10, -50, 0, 0} << qint64(7917);
    QTest::newRow("touchdowns capped") << QList<int>{4, 4, 80, 4, 0} << qint64(15833);
}

// The game's, the stored season's and any season record's ratings share one arithmetic.
void StatsTest::ratingsFollowTheWorkedExamples() {
    QFETCH(QList<int>, counts);
    QFETCH(qint64, hundredths);
    const auto count = [&](int i) { return static_cast<std::int16_t>(counts[i]); };
    GameState state;
    state.GameAttempts = count(0);
    state.GameCompletions = count(1);
    state.GameYards = count(2);
    state.GameTDs = count(3);
    state.GameINTs = count(4);
    state.SeasonAttempts = counts[0];
    state.SeasonCompletions = counts[1];
    state.SeasonYards = counts[2];
    state.SeasonTDs = counts[3];
    state.SeasonINTs = counts[4];
    SeasonStats season;
    season.Att = counts[0];
    season.Comp = counts[1];
    season.Yds = counts[2];
    season.TD = counts[3];
    season.Int = counts[4];
    season.ShortAtt = 99; // not read
    const Currency expected = Currency::fromHundredths(hundredths);
    QCOMPARE(getQBRating(state), expected);
    QCOMPARE(getCareerQBRating(state), expected);
    QCOMPARE(getSeasonRating(season), expected);
}

void StatsTest::numberTexts_data() {
    QTest::addColumn<QString>("form"); // a pattern, "currency", "percentage" or "rounded"
    QTest::addColumn<qint64>("a");
    QTest::addColumn<qint64>("b");
    QTest::addColumn<QString>("text");
    const struct {
        const char *form, *name;
        qint64 a, b;
        const char* text;
    } rows[] = {
        {"###.0", "a half", 1, 2, ".5"},
        {"###.0", "100", 100, 1, "100.0"},
        {"###.0", "7.25 rounds up", 29, 4, "7.3"},
        {"###.0", "250 / 32", 250, 32, "7.8"},
        {"###.#", "100 keeps the point", 100, 1, "100."},
        {"###.#", "62.5", 125, 2, "62.5"},
        {"###.##", "1.10", 110, 100, "1.1"},
        {"###.###", "1/6", 1, 6, ".167"},
        {"###.###", "2.0005", 20005, 10000, "2.001"},
        {"###.00", "0", 0, 1, ".00"},
        {"###.00", "0.58", 58, 100, ".58"},
        {"###.00", "60", 60, 1, "60.00"},
        {"currency", "62.5", 625000, 0, "62.5"},
        {"currency", "100", 1000000, 0, "100"},
        {"currency", "0.3", 3000, 0, "0.3"},
        {"currency", "0", 0, 0, "0"},
        {"currency", "four decimals", 1234, 0, "0.1234"},
        {"percentage", "1 of 16 is exactly 6.25", 1, 16, "6.3"},
        {"percentage", "204 of 320 is exactly 63.75", 204, 320, "63.8"},
        {"percentage", "2 of 3", 2, 3, "66.7"},
        {"percentage", "12 of 20", 12, 20, "60"},
        {"percentage", "no completion", 0, 5, "0"},
        {"rounded", "a negative half goes away from zero", -5, 2, "-3"},
        {"rounded", "just below a half", 249, 100, "2"},
    };
    for (const auto& row : rows)
        QTest::addRow("%s, %s", row.form, row.name)
            << QString::fromLatin1(row.form) << row.a << row.b << QString::fromLatin1(row.text);
}

void StatsTest::numberTexts() {
    QFETCH(QString, form);
    QFETCH(qint64, a);
    QFETCH(qint64, b);
    QFETCH(QString, text);
    const QString point = QStringLiteral(".");
    if (form == QStringLiteral("currency"))
        QCOMPARE(currencyText(Currency{a}, point), text);
    else if (form == QStringLiteral("percentage"))
        QCOMPARE(currencyText(completionPercentage(int(a), int(b)), point), text);
    else if (form == QStringLiteral("rounded"))
        QCOMPARE(QString::number(roundQuotient(a, b)), text);
    else
        QCOMPARE(patternText(a, b, form, point), text);
}

void StatsTest::statsLines() {
    GameState state;
    QCOMPARE(gameLine(state, QStringLiteral(".")), QStringLiteral("0-0 0% 0 YDS 0 TD 0 INT .00"));
    state.GameAttempts = 20;
    state.GameCompletions = 12;
    state.GameYards = 150;
    state.GameTDs = 1;
    state.GameINTs = 1;
    QCOMPARE(gameLine(state, QStringLiteral(".")),
             QStringLiteral("12-20 60% 150 YDS 1 TD 1 INT 79.17"));
    state.SeasonGames = 3;
    state.SeasonAttempts = 70;
    state.SeasonCompletions = 45;
    state.SeasonYards = 520;
    state.SeasonTDs = 4;
    state.SeasonINTs = 2;
    state.SeasonNumber = 4;
    // The decimal separator is the locale's, passed in.
    QCOMPARE(seasonLine(state, QStringLiteral(",")),
             QStringLiteral("G 3 45-70 64,3% 520 YDS 4 TD 2 INT 93,75"));
    QCOMPARE(seasonFrameCaption(state), QStringLiteral("Season 4 Stats"));
}

QTEST_GUILESS_MAIN(StatsTest)
#include "stats_test.moc"
