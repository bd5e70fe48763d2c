// SPDX-License-Identifier: MIT
#include "support/filebytes.h"
#include "support/passtypeseasons.h"
#include "support/recordingmessenger.h"

#include "storage/filecareer.h"
#include "views/passtypetable.h"
#include "views/ratingtrend.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

const QString point = QStringLiteral(".");
const QString dash = QStringLiteral("\u2013");

// The seasons as the window reads them from a prepared gdk.dat.
std::vector<SeasonStats> preparedSeasons() {
    QTemporaryDir dir;
    RecordingMessenger messenger;
    FileCareer career(dir.path(), messenger);
    write(career.seasonsPath(), twoSeasonsOfPassTypes());
    return career.peekSeasons();
}

QList<QStringList> rowTexts(const std::vector<PassTypeRow>& rows) {
    QList<QStringList> texts;
    for (const PassTypeRow& row : rows) {
        const PassingTexts& t = row.texts;
        texts << QStringList{row.name,     t.attempts,   t.completions,   t.percentage, t.yards,
                             t.perAttempt, t.touchdowns, t.interceptions, t.rating};
    }
    return texts;
}

} // namespace

class PassTypesTest : public QObject {
    Q_OBJECT
private slots:
    void theTableOfTheCareerAndOfOneSeason_data();
    void theTableOfTheCareerAndOfOneSeason();
    void theChartPlotsEverySeasonOfEveryLineThrown();
    void noSeasonPlayedShowsNothingButItsMessage();
};

void PassTypesTest::theTableOfTheCareerAndOfOneSeason_data() {
    QTest::addColumn<int>("span");
    QTest::addColumn<QList<QStringList>>("rows");
    QTest::newRow("career")
        << CareerSpan
        << QList<QStringList>{{"Short Pass", "140", "100", "71.4", "850", "6.1", "4", "2", "90.47"},
                              {"Medium Pass", "110", "68", "61.8", "910", "8.3", "6", "4", "91.1"},
                              {"Long Pass", "0", "0", dash, "0", dash, "0", "0", "0"},
                              {"BLITZ!", "25", "10", "40.0", "360", "14.4", "4", "3", "87.5"},
                              {"All", "276", "178", "64.5", "2120", "7.7", "14", "9", "91.15"}};
    QTest::newRow("season 2")
        << 2
        << QList<QStringList>{{"Short Pass", "40", "30", "75.0", "250", "6.3", "1", "0", "98.97"},
                              {"Medium Pass", "30", "18", "60.0", "210", "7.0", "2", "1", "89.58"},
                              {"Long Pass", "0", "0", dash, "0", dash, "0", "0", "0"},
                              {"BLITZ!", "5", "2", "40.0", "60", "12.0", "1", "1", "85.42"},
                              {"All", "75", "50", "66.7", "520", "6.9", "4", "2", "93.18"}};
}

void PassTypesTest::theTableOfTheCareerAndOfOneSeason() {
    QFETCH(int, span);
    QFETCH(QList<QStringList>, rows);
    const std::vector<SeasonStats> seasons = preparedSeasons();
    QCOMPARE(playedSeasons(seasons), (std::vector<int>{1, 2}));
    QCOMPARE(rowTexts(passTypeRows(seasons, span, point)), rows);
}

void PassTypesTest::theChartPlotsEverySeasonOfEveryLineThrown() {
    const RatingTrend trend = ratingTrend(preparedSeasons());
    QCOMPARE(trend.lastSeason, 2);
    QCOMPARE(ratingPointText(trend.lines[3], trend.lines[3].points[1], point),
             QStringLiteral("BLITZ!, season 2: 85.42"));
    QCOMPARE(ratingTrendDescription(trend, point),
             QStringLiteral("Passer rating by season, seasons 1 to 2. "
                            "Short Pass: season 1 87.08, season 2 98.97. "
                            "Medium Pass: season 1 91.67, season 2 89.58. "
                            "Long Pass: never thrown. "
                            "BLITZ!: season 1 87.5, season 2 85.42. "
                            "All: season 1 90.38, season 2 93.18."));
}

void PassTypesTest::noSeasonPlayedShowsNothingButItsMessage() {
    std::vector<SeasonStats> unplayed(1);
    unplayed[0].Season = 1;
    for (const std::vector<SeasonStats>& seasons : {std::vector<SeasonStats>{}, unplayed}) {
        QVERIFY(playedSeasons(seasons).empty());
        QVERIFY(passTypeRows(seasons, CareerSpan, point).empty());
        const RatingTrend trend = ratingTrend(seasons);
        QCOMPARE(trend.lastSeason, 0);
        QCOMPARE(ratingTrendDescription(trend, point),
                 QStringLiteral("No season has been played yet."));
    }
}

QTEST_GUILESS_MAIN(PassTypesTest)
#include "passtypes_test.moc"
