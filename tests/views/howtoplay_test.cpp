// SPDX-License-Identifier: MIT
#include "support/scriptedrandom.h"

#include "play/gamestate.h"
#include "play/playoutcome.h"
#include "play/playtype.h"
#include "play/throwrules.h"
#include "views/howtoplay.h"

#include <QTest>
#include <algorithm>

namespace {

// u values spread evenly over [0, 1), none on a rounding edge of the draws out of 9.
constexpr int grid = 36;
double gridValue(int i) {
    return (i + 0.5) / grid;
}

// Whether `count` of `grid` equal shares make the chance.
bool makes(int count, Chance chance) {
    return count * chance.of == grid * chance.in;
}

struct Outcomes {
    int completed = 0;
    int intercepted = 0;
};

// Every throw at `meter` across the grid of draws, through the game's own grading and outcome.
Outcomes throwsAt(int meter, std::int16_t longestInRow) {
    Outcomes outcomes;
    for (int i = 0; i < grid; ++i) {
        ScriptedRandomSource gradeDraw{gridValue(i)};
        const int distance = distanceFromTarget(meter);
        const std::int16_t grade = checkThrow(gradeDraw, distance, longestInRow);
        if (grade == ThrowGrade::OnTarget) {
            ++outcomes.completed;
            continue;
        }
        GameState state;
        ScriptedRandomSource random{gridValue(i)};
        figureResults(random, state, grade, PlayType::Short, distance);
        outcomes.intercepted += state.GameINTs;
    }
    return outcomes;
}

} // namespace

class HowToPlayTest : public QObject {
    Q_OBJECT
private slots:
    void everyStopHasTheRowOfItsOutcome();
    void theRunRowsFollowTheGrading();
    void thePageTellsTheTablesAndTheDirectory();
};

void HowToPlayTest::everyStopHasTheRowOfItsOutcome() {
    const std::vector<DistanceRow> rows = distanceRows();
    for (int meter = 0; meter <= MeterMaximum; ++meter) {
        const auto holds = [meter](const DistanceRow& row) {
            return std::count(row.stops.begin(), row.stops.end(), meter) == 1;
        };
        QCOMPARE(std::count_if(rows.begin(), rows.end(), holds), 1);
        const DistanceRow& row = *std::find_if(rows.begin(), rows.end(), holds);
        const Outcomes outcomes = throwsAt(meter, 0);
        QVERIFY2(makes(outcomes.completed, row.completion), qPrintable(QString::number(meter)));
        QVERIFY2(makes(outcomes.intercepted, row.interception), qPrintable(QString::number(meter)));
    }
}

void HowToPlayTest::theRunRowsFollowTheGrading() {
    const std::vector<RunRow> rows = runRows();
    for (std::int16_t longest = 0; longest <= 12; ++longest) {
        const auto holds = [longest](const RunRow& row) {
            return longest >= row.fromLongest && (row.toLongest < 0 || longest <= row.toLongest);
        };
        QCOMPARE(std::count_if(rows.begin(), rows.end(), holds), 1);
        const RunRow& row = *std::find_if(rows.begin(), rows.end(), holds);
        for (const int meter : {38, 42})
            QVERIFY(makes(throwsAt(meter, longest).completed, row.completion));
    }
}

void HowToPlayTest::thePageTellsTheTablesAndTheDirectory() {
    const QString page =
        howToPlayHtml(QStringLiteral("%DISTANCES%|%RUNS%|%TARGET%|%MAXIMUM%|%GAMES%|%SEASONS%|"
                                     "%DIRECTORY%"),
                      QStringLiteral("/home/kim/R&D/"));
    const QStringList parts = page.split(u'|');
    QCOMPARE(parts.mid(2), (QStringList{"40", "50", "16", "15", "/home/kim/R&amp;D"}));
    QStringList stops;
    for (const DistanceRow& row : distanceRows())
        stops << stopsText(row.stops);
    QCOMPARE(stops, (QStringList{"39, 40 or 41", "38 or 42", "36, 37, 43 or 44", "35 or 45",
                                 "0 to 34 or 46 to 50"}));
    QVERIFY(
        page.contains(QStringLiteral("<td>35 or 45</td><td>Incomplete; intercepted 1 in 6</td>")));
}

QTEST_GUILESS_MAIN(HowToPlayTest)
#include "howtoplay_test.moc"
