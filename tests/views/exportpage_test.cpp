// SPDX-License-Identifier: MIT
#include "support/seasonbuilder.h"

#include "views/exportpage.h"

#include <QTest>

namespace {

// Line ranges of a page with n season rows.
constexpr qsizetype headLines = 21;
constexpr qsizetype rowLines = 16;

QString cell(const QString& text) {
    return QStringLiteral("<td><div align=center>") + text + QStringLiteral("</div></td>");
}

QString heading(const char* label) {
    return QStringLiteral("<td><div align=center><font color=#FFFFFF size=2><strong>") +
           QString::fromLatin1(label) + QStringLiteral("</strong></font></div></td>");
}

// The value texts of season row `row` (0-based), without the <td> wrapping.
QStringList rowValues(const QStringList& page, qsizetype row) {
    QStringList values;
    const qsizetype first = headLines + row * rowLines + 1;
    for (qsizetype i = first; i < first + 14; ++i) {
        QString text = page[i];
        text.remove(QStringLiteral("<td><div align=center>"));
        text.remove(QStringLiteral("</div></td>"));
        values << text;
    }
    return values;
}

// The page of a career with no season played and no record set, as the player gets it.
QStringList emptyCareerPage() {
    QStringList page{
        QStringLiteral("<html><title>Gridlark Bio - Sam</title>"),
        QStringLiteral("<META name=description content=Gridlark Game>"),
        QStringLiteral(
            "<META name=keywords content=gridlark,football,quarterback,nfl,rating,stats>"),
        QStringLiteral(
            "<body><p><strong><font face=Courier New, Courier, mono>Sam | QB</font></strong></p>"),
        QStringLiteral("<table width=75% border=0>"),
        QStringLiteral("<tr bgcolor=#3333FF>"),
    };
    for (const char* label : {"SEASON", "G", "CMP", "ATT", "PCT", "YDS", "AVG", "TD", "INT", "RAT",
                              "SRAT", "MRAT", "LRAT", "BRAT"})
        page << heading(label);
    page << QStringLiteral("</tr>") << QStringLiteral("<tr bgcolor=#00CC33>")
         << cell(QStringLiteral("Career"));
    for (int i = 0; i < 13; ++i)
        page << cell(QStringLiteral("0"));
    page << QStringLiteral("</tr></table>");
    const auto table = [&page](const char* title, std::initializer_list<const char*> labels) {
        page << QStringLiteral("<br><br>") << QStringLiteral("<table width=25% border=0>")
             << QStringLiteral("<tr bgcolor=#3333FF>") << heading(title) << heading("STAT")
             << QStringLiteral("</tr>");
        for (const char* label : labels)
            page << QStringLiteral("<tr bgcolor=#CCCCCC>") << cell(QString::fromLatin1(label))
                 << cell(QStringLiteral("0")) << QStringLiteral("</tr>");
        page << QStringLiteral("</table>");
    };
    table("GAME RECORDS", {"MOST YARDS", "MOST TD's", "MOST INT's", "BEST COMP %", "COMP IN ROW"});
    table("SEASON RECORDS",
          {"MOST YARDS", "MOST TD's", "LEAST INT's", "BEST COMP %", "BEST RATING"});
    page << QStringLiteral("<br><a href=https://gridlark.example.org/ target=_self>Exported From "
                           "Gridlark v1.6</a>")
         << QStringLiteral("</body></html>");
    return page;
}

} // namespace

class ExportPageTest : public QObject {
    Q_OBJECT
private slots:
    void anEmptyCareerIsTheHeadingTheZeroCareerRowAndTheRecords();
    void aSeasonRowReadsItsCountsAndQuotients();
    void quotientsFollowTheirRules_data();
    void quotientsFollowTheirRules();
    void aPassTypeNeverThrownRatesZero();
    void ratingsArePerPassTypeAndTotalledInTheCareerRow();
    void unplayedRecordsAreNeitherListedNorTotalled();
    void aFullCareerIsFifteenRowsInRecordOrder();
    void recordsShowCountsAndShortestCurrency();
    void decimalSeparatorComesFromTheLocale();
    void aCancelledNameLeavesTheHeadingEmpty();
    void aHostileNameCannotBreakThePage();
    void aPlainNameIsWrittenUnchanged();
};

void ExportPageTest::anEmptyCareerIsTheHeadingTheZeroCareerRowAndTheRecords() {
    const QStringList page = exportPageLines({}, {}, QStringLiteral("Sam"), QStringLiteral("."));
    const QStringList expected = emptyCareerPage();
    QCOMPARE(page.size(), 93);
    for (qsizetype i = 0; i < expected.size(); ++i)
        QCOMPARE(page.value(i), expected[i]);
}

void ExportPageTest::aSeasonRowReadsItsCountsAndQuotients() {
    const QStringList page = exportPageLines({season(1, 16, 20, 32, 250, 2, 1)}, {},
                                             QStringLiteral("Sam"), QStringLiteral("."));
    QCOMPARE(page.size(), 93 + 16);
    QCOMPARE(page[headLines], QStringLiteral("<tr bgcolor=#CCCCCC>"));
    QCOMPARE(rowValues(page, 0).mid(0, 9),
             (QStringList{"1", "16", "20", "32", "62.5", "250", "7.8", "2", "1"}));
    QCOMPARE(page[headLines + 15], QStringLiteral("</tr>"));
    // The career row of a one-season career repeats the season, with "Career" in front.
    QCOMPARE(page[headLines + 16], QStringLiteral("<tr bgcolor=#00CC33>"));
    QStringList careerValues = rowValues(page, 0);
    careerValues[0] = QStringLiteral("Career");
    QCOMPARE(rowValues(page, 1), careerValues);
}

void ExportPageTest::quotientsFollowTheirRules_data() {
    QTest::addColumn<int>("comp");
    QTest::addColumn<int>("att");
    QTest::addColumn<int>("yds");
    QTest::addColumn<QString>("pct");
    QTest::addColumn<QString>("avg");
    QTest::newRow("whole percentage drops its point") << 16 << 32 << 12 << "50"
                                                      << ".4";
    QTest::newRow("below one keeps its zero") << 1 << 300 << 0 << "0.3"
                                              << ".0";
    QTest::newRow("half a yard has no zero before the point") << 12 << 24 << 12 << "50"
                                                              << ".5";
    QTest::newRow("whole average keeps one place") << 15 << 30 << 360 << "50"
                                                   << "12.0";
    QTest::newRow("all completed") << 30 << 30 << 300 << "100"
                                   << "10.0";
    QTest::newRow("no completion is zero") << 0 << 10 << -4 << "0"
                                           << "-.4";
    QTest::newRow("no attempt writes zeros") << 0 << 0 << 0 << "0"
                                             << "0";
}

void ExportPageTest::quotientsFollowTheirRules() {
    QFETCH(int, comp);
    QFETCH(int, att);
    QFETCH(int, yds);
    QFETCH(QString, pct);
    QFETCH(QString, avg);
    const QStringList page =
        exportPageLines({season(1, 1, comp, att, yds)}, {}, QString(), QStringLiteral("."));
    const QStringList values = rowValues(page, 0);
    QCOMPARE(values[4], pct);
    QCOMPARE(values[6], avg);
}

void ExportPageTest::aPassTypeNeverThrownRatesZero() {
    // Medium 10 of 10 for 200 yards and 3 touchdowns reaches every bound: 158.33.
    SeasonStats s = season(1, 4, 10, 10, 200, 3);
    s.MediumAtt = 10;
    s.MediumComp = 10;
    s.MediumYds = 200;
    s.MediumTD = 3;
    const QStringList values =
        rowValues(exportPageLines({s}, {}, QString(), QStringLiteral(".")), 0);
    QCOMPARE(values.mid(9), (QStringList{"158.33", "0", "158.33", "0", "0"}));
}

void ExportPageTest::ratingsArePerPassTypeAndTotalledInTheCareerRow() {
    SeasonStats first = season(1, 16, 10, 10, 200, 3);
    first.ShortAtt = 10; // short 10 of 6 for 90 yards and a touchdown, on its own
    first.ShortComp = 6;
    first.ShortYds = 90;
    first.ShortTD = 1;
    first.LongAtt = 10; // 3 of 10 for 30 yards: completion and yards components exactly 0
    first.LongComp = 3;
    first.LongYds = 30;
    SeasonStats second = season(2, 16, 12, 20, 150, 1, 1);
    second.ShortAtt = 20;
    second.ShortComp = 12;
    second.ShortYds = 120;
    second.ShortTD = 1;
    second.ShortInt = 1;
    second.BlitzAtt = 3; // 1 of 3 for 11 yards: the components round to .167 each
    second.BlitzComp = 1;
    second.BlitzYds = 11;
    const QStringList page = exportPageLines({first, second}, {}, QString(), QStringLiteral("."));
    QCOMPARE(rowValues(page, 0).mid(9), (QStringList{"158.33", "122.92", "0", "39.58", "0"}));
    QCOMPARE(rowValues(page, 1).mid(9), (QStringList{"79.17", "72.92", "0", "0", "45.15"}));
    // Career: 22 of 30 for 350 yards, 4 TD, 1 INT (components .167 up each, touchdowns capped);
    // short 18 of 30 for 210, 2 TD, 1 INT.
    QCOMPARE(rowValues(page, 2), (QStringList{"Career", "32", "22", "30", "73.3", "350", "11.7",
                                              "4", "1", "137.52", "89.58", "0", "39.58", "45.15"}));
}

void ExportPageTest::unplayedRecordsAreNeitherListedNorTotalled() {
    const QStringList page = exportPageLines({season(1, 16, 20, 32, 250), season(2, 0, 5, 9, 40),
                                              season(3, -1, 7, 7, 70), season(4, 2, 10, 20, 100)},
                                             {}, QString(), QStringLiteral("."));
    QCOMPARE(page.size(), 93 + 2 * 16);
    QCOMPARE(rowValues(page, 0)[0], QStringLiteral("1"));
    QCOMPARE(rowValues(page, 1)[0], QStringLiteral("4"));
    QCOMPARE(rowValues(page, 2).mid(0, 7),
             (QStringList{"Career", "18", "30", "52", "57.7", "350", "6.7"}));
}

void ExportPageTest::aFullCareerIsFifteenRowsInRecordOrder() {
    std::vector<SeasonStats> seasons;
    for (int number = 1; number <= 15; ++number)
        seasons.push_back(season(number, 16, 300, 500, 3500, 20, 10));
    seasons.resize(100); // the records after the last season read as zeros
    const QStringList page = exportPageLines(seasons, {}, QString(), QStringLiteral("."));
    QCOMPARE(page.size(), 333);
    for (int row = 0; row < 15; ++row)
        QCOMPARE(rowValues(page, row)[0], QString::number(row + 1));
    QCOMPARE(rowValues(page, 15).mid(0, 4), (QStringList{"Career", "240", "4500", "7500"}));
    QCOMPARE(page.last(), QStringLiteral("</body></html>"));
}

void ExportPageTest::recordsShowCountsAndShortestCurrency() {
    CareerRecords records;
    records.MostGameYds = 412;
    records.MostGameTD = 5;
    records.MostGameInt = 4;
    records.BestGameCompPct = Currency::fromTenths(1000);
    records.MostInRow = 12;
    records.MostSeasonYds = 4100;
    records.MostSeasonTD = 31;
    records.LeastSeasonInt = 7;
    records.BestSeasonCompPct = Currency::fromTenths(667);
    records.BestSeasonRating = Currency::fromHundredths(8725);
    const QStringList page = exportPageLines({}, records, QString(), QStringLiteral("."));
    const qsizetype gameTable = headLines + rowLines;
    const qsizetype seasonTable = gameTable + 27;
    const auto valueAt = [&page](qsizetype table, int row) { return page[table + 8 + row * 4]; };
    const QStringList game{"412", "5", "4", "100", "12"};
    const QStringList seasonValues{"4100", "31", "7", "66.7", "87.25"};
    for (int row = 0; row < 5; ++row) {
        QCOMPARE(valueAt(gameTable, row), cell(game[row]));
        QCOMPARE(valueAt(seasonTable, row), cell(seasonValues[row]));
    }
}

void ExportPageTest::decimalSeparatorComesFromTheLocale() {
    const QStringList values = rowValues(
        exportPageLines({season(1, 16, 20, 32, 250)}, {}, QString(), QStringLiteral(",")), 0);
    QCOMPARE(values[4], QStringLiteral("62,5"));
    QCOMPARE(values[6], QStringLiteral("7,8"));
}

void ExportPageTest::aCancelledNameLeavesTheHeadingEmpty() {
    const QStringList page = exportPageLines({}, {}, QString(), QStringLiteral("."));
    QCOMPARE(page[0], QStringLiteral("<html><title>Gridlark Bio - </title>"));
    QCOMPARE(page[3], QStringLiteral("<body><p><strong><font face=Courier New, Courier, mono> | "
                                     "QB</font></strong></p>"));
    QCOMPARE(page.size(), 93);
}

void ExportPageTest::aHostileNameCannotBreakThePage() {
    const QString name = QStringLiteral("<script>alert(\"Jos\u00e9's\")</script> & Ren\u00e9e\r\n");
    const QStringList page = exportPageLines({}, {}, name, QStringLiteral("."));
    const QString escaped = QStringLiteral("&lt;script&gt;alert(&quot;Jos&#233;&#39;s&quot;)&lt;/"
                                           "script&gt; &amp; Ren&#233;e&#13;&#10;");
    QCOMPARE(page[0],
             QStringLiteral("<html><title>Gridlark Bio - ") + escaped + QStringLiteral("</title>"));
    QVERIFY(page[3].contains(QStringLiteral("mono>") + escaped + QStringLiteral(" | QB<")));
    QCOMPARE(page.size(), 93);
}

void ExportPageTest::aPlainNameIsWrittenUnchanged() {
    const QStringList page =
        exportPageLines({}, {}, QStringLiteral("Joe Cool 12"), QStringLiteral("."));
    QCOMPARE(page[0], QStringLiteral("<html><title>Gridlark Bio - Joe Cool 12</title>"));
}

QTEST_GUILESS_MAIN(ExportPageTest)
#include "exportpage_test.moc"
