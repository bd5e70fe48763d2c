// SPDX-License-Identifier: MIT
// What the career views show and the export writes, by tables of prepared careers: the career
// window and the records window through their real widgets, the exported page's rows and its
// refusals, the pass types and the How to Play page. A whole career's page is pinned by the
// career test.
#include "support/datatable.h"
#include "support/filebytes.h"
#include "support/playtypeseasons.h"
#include "support/recordingmessenger.h"

#include "storage/filecareer.h"
#include "storage/recordswindow.h"
#include "views/careerwindow.h"
#include "views/chartstyle.h"
#include "views/exportpage.h"
#include "views/exportwriter.h"
#include "views/howtoplay.h"
#include "views/playtypeswindow.h"
#include "views/ratingchart.h"

#include <QComboBox>
#include <QDir>
#include <QHelpEvent>
#include <QLabel>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>
#include <QTreeWidget>
#include <cmath>

namespace {

std::vector<SeasonStats> storedSeasons(const QString& records) {
    std::vector<SeasonStats> result;
    for (const QString& record : records.split(u';')) {
        const QStringList n = record.split(u' ', Qt::SkipEmptyParts);
        if (n.size() != 7)
            unknownWord(QStringLiteral("season of seven figures"), record);
        const auto at = [&n](int i) { return tableInt(n[i]); };
        // number, games, completions, attempts, yards, touchdowns, interceptions
        result.push_back(
            {.number = at(0), .games = at(1), .total = {at(3), at(2), at(4), at(5), at(6)}});
    }
    return result;
}

// The rows of the window's list `name` as shown, hidden columns left out: each cell's text
// with its colour after a '/' where it has one, cells joined by `between` and rows by " | ".
QString listRows(const QWidget& window, const char* name, const QString& between) {
    const auto* list = window.findChild<QTreeWidget*>(QLatin1String(name));
    QStringList rows;
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < list->columnCount(); ++column) {
            const QBrush brush = list->topLevelItem(row)->foreground(column);
            if (!list->isColumnHidden(column))
                cells << list->topLevelItem(row)->text(column) +
                             (brush.style() == Qt::NoBrush ? QString()
                                                           : u'/' + brush.color().name());
        }
        rows << cells.join(between);
    }
    return rows.join(QStringLiteral(" | "));
}

QString pageRows(const QStringList& page) {
    static const QRegularExpression markup(
        QStringLiteral("<td><div align=center>|</div></td>|</tr>"));
    const qsizetype end = page.indexOf(QStringLiteral("</tr></table>"));
    return page.mid(21, end - 21).join(u' ').remove(markup).simplified();
}

// The chart's colours by the reckoning of colour science: sRGB (D65) to CIELAB, simulated
// colour blindness (Machado, Oliveira and Fernandes 2009, full severity, applied to linear RGB)
// and the WCAG 2.1 relative luminance and contrast.
namespace colour {

using Triple = std::array<double, 3>;
using Matrix = std::array<double, 9>; // by rows

Triple times(const Matrix& m, const Triple& v) {
    return {m[0] * v[0] + m[1] * v[1] + m[2] * v[2], m[3] * v[0] + m[4] * v[1] + m[5] * v[2],
            m[6] * v[0] + m[7] * v[1] + m[8] * v[2]};
}

// Each component from 0 to 1 in linear light. sRGB bends at 0.04045 and WCAG 2.1 at 0.03928:
// no component of 0 to 255 lies between.
Triple linearRgb(const ChartColour& c) {
    Triple rgb{c.red / 255.0, c.green / 255.0, c.blue / 255.0};
    for (double& x : rgb)
        x = x <= 0.04045 ? x / 12.92 : std::pow((x + 0.055) / 1.055, 2.4);
    return rgb;
}

// The colour in CIELAB as the eyes of `simulation` see it.
Triple lab(const ChartColour& c, const Matrix& simulation) {
    Triple rgb = times(simulation, linearRgb(c));
    for (double& x : rgb)
        x = std::clamp(x, 0.0, 1.0);
    const Triple xyz = times({0.4124564, 0.3575761, 0.1804375, 0.2126729, 0.7151522, 0.0721750,
                              0.0193339, 0.1191920, 0.9503041},
                             rgb);
    const auto f = [&xyz](std::size_t i) { // of the D65 white's share, straight below (6/29)³
        const double t = xyz[i] / Triple{0.95047, 1.0, 1.08883}[i];
        return t > 216.0 / 24389 ? std::cbrt(t) : t * 841 / 108 + 4.0 / 29;
    };
    return {116 * f(1) - 16, 500 * (f(0) - f(1)), 200 * (f(1) - f(2))};
}

// The rules the colours break, by their places from 1: two colours closer than ΔE76 25 to
// some eyes, or a colour below 3:1 contrast with the chart's background.
QString failures(const std::vector<ChartColour>& colours) {
    const std::pair<const char*, Matrix> visions[] = {
        {"normal", {1, 0, 0, 0, 1, 0, 0, 0, 1}},
        {"deuteranopia",
         {0.367322, 0.860646, -0.227968, 0.280085, 0.672501, 0.047413, -0.011820, 0.042940,
          0.968881}},
        {"protanopia",
         {0.152286, 1.052583, -0.204868, 0.114503, 0.786281, 0.099216, -0.003882, -0.048116,
          1.051998}},
    };
    QStringList broken;
    for (const auto& [vision, simulation] : visions)
        for (std::size_t i = 0; i < colours.size(); ++i)
            for (std::size_t j = i + 1; j < colours.size(); ++j) {
                const Triple a = lab(colours[i], simulation), b = lab(colours[j], simulation);
                if (std::hypot(a[0] - b[0], a[1] - b[1], a[2] - b[2]) < 25)
                    broken << QString::fromLatin1(vision) +
                                  QStringLiteral(" %1-%2").arg(i + 1).arg(j + 1);
            }
    const auto luminance = [](const ChartColour& c) { // a matrix of one row
        return times({0.2126, 0.7152, 0.0722}, linearRgb(c))[0] + 0.05;
    };
    for (std::size_t i = 0; i < colours.size(); ++i) {
        const auto [darker, lighter] =
            std::minmax({luminance(colours[i]), luminance(ChartBackground)});
        if (lighter / darker < 3)
            broken << QStringLiteral("contrast %1").arg(i + 1);
    }
    return broken.join(QStringLiteral("; "));
}

} // namespace colour

} // namespace

class ViewsTest : public QObject {
    Q_OBJECT
private slots:
    void seasonTables_data() { addTableRows(QStringLiteral("views/seasontables.txt")); }
    void seasonTables();
    void theRecordsWindowShowsTheTenRecords();
    void anEmptyCareerExportsItsPinnedPage();
    void anUnreadableCareerWritesNoPage_data() {
        addTableRows(QStringLiteral("views/exportrefusals.txt"));
    }
    void anUnreadableCareerWritesNoPage();
    void passTypes_data() { addTableRows(QStringLiteral("views/passtypes.txt")); }
    void passTypes();
    void theRatingAxisRunsToOneSixtyWithTheHighestRatingMarked();
    void aPointsTooltipGoesWithThePointerOrAResize();
    void theLineColoursStayApart_data() { addTableRows(QStringLiteral("views/palette.txt")); }
    void theLineColoursStayApart();
    void howToPlayTellsTheRules_data() { addTableRows(QStringLiteral("views/howtoplay.txt")); }
    void howToPlayTellsTheRules();
};

void ViewsTest::seasonTables() {
    QFETCH(QString, view);
    QFETCH(QString, seasons);
    QFETCH(QString, point);
    QFETCH(QString, rows);
    if (tableChoice({"window", "page"}, QStringLiteral("view"), view) == 1) {
        QCOMPARE(pageRows(exportPageLines(storedSeasons(seasons), {}, QString(), point)), rows);
        return;
    }
    QCOMPARE(listRows(CareerWindow(storedSeasons(seasons), point), "lvwCareer", " "), rows);
}

void ViewsTest::theRecordsWindowShowsTheTenRecords() {
    const RecordsWindow window({412, 5, 4, 12, FixedPoint4::fromTenths(1000), 4100, 31, 7,
                                FixedPoint4::fromTenths(5), FixedPoint4::fromHundredths(8725)},
                               QStringLiteral(","));
    QStringList shown;
    for (const char* name : {"lblYards", "lblTDs", "lblINTs", "lblComp", "lblInRow", "lblsYards",
                             "lblsTD", "lblsInt", "lblsComp", "lblsRating"})
        shown << window.findChild<QLabel*>(QLatin1String(name))->text();
    QCOMPARE(shown, (QStringList{"412", "5", "4", "100", "12", "4100", "31", "7", "0,5", "87,25"}));
}

void ViewsTest::anEmptyCareerExportsItsPinnedPage() {
    QTemporaryDir dir;
    for (int time = 0; time < 2; ++time) { // the second export writes the same bytes
        const Message outcome = runExport(dir.path(), {}, {}, {}, QStringLiteral("."));
        QCOMPARE(outcome.title + u' ' + outcome.text,
                 QStringLiteral("File Saved gdk.html saved to ") + dir.path());
        QCOMPARE(contents(dir.filePath(QStringLiteral("gdk.html"))),
                 contents(QStringLiteral(GRIDLARK_TEST_DATA "/empty-career.html")));
    }
}

void ViewsTest::anUnreadableCareerWritesNoPage() {
    QFETCH(QString, file);
    QFETCH(QString, holds);
    QFETCH(QString, size);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString page = dir.filePath(QStringLiteral("gdk.html"));
    write(page, "<p>an earlier page</p>");
    const QByteArray byte = QByteArray::fromHex(holds.toLatin1());
    if (holds == u"directory")
        QVERIFY(QDir(dir.path()).mkdir(file));
    else if (holds.size() == 2 && byte.size() == 1)
        write(dir.filePath(file), byte.repeated(tableInt(size)));
    else
        unknownWord(QStringLiteral("byte"), holds);
    RecordingMessenger messenger;
    FileCareer career(dir.path(), messenger);
    const QStringList files = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    const Message outcome = exportCareer(career, QStringLiteral("Sam"), QStringLiteral("."));
    QCOMPARE(outcome.title, QStringLiteral("File Not Saved"));
    // Nothing is created: not the missing career file, nor a page.
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), files);
    QVERIFY2(outcome.text.contains(dir.filePath(file) + QStringLiteral(": ")) &&
                 outcome.text.contains(reason),
             qPrintable(outcome.text));
    QCOMPARE(contents(page), QByteArray("<p>an earlier page</p>"));
    QVERIFY(messenger.messages().isEmpty());
}

void ViewsTest::passTypes() {
    QFETCH(QString, file);
    QFETCH(QString, span);
    QFETCH(QString, point);
    QFETCH(QString, texts);
    QTemporaryDir dir;
    RecordingMessenger messenger;
    FileCareer career(dir.path(), messenger);
    const QByteArray prepared = twoSeasonsOfPlayTypes();
    const QList<QByteArray> bytes{
        prepared, prepared + encodeSeason({.number = 3, .games = 17}), {}};
    if (file == u"unreadable")
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("gdk.dat")));
    else
        write(career.seasonsPath(),
              bytes[tableChoice({"prepared", "damaged", "empty"}, QStringLiteral("file"), file)]);
    const PeekedSeasons peeked = career.peekSeasons();
    PlayTypesWindow window(peeked, point);
    window.show();
    // The chart as read aloud; the note stands above the table, or in place of a chart with
    // nothing to plot.
    QString shown = ratingTrendDescription(ratingTrend(peeked.seasons, peeked.note), point);
    const auto* note = window.findChild<QLabel*>(QStringLiteral("lblNote"));
    auto* spans = window.findChild<QComboBox*>(QStringLiteral("cboSpan"));
    if (span == u"note" && note->isVisibleTo(&window))
        shown = note->text();
    if (span != u"note" && span != u"chart") {
        spans->setCurrentIndex(spans->findData(tableInt(span)));
        shown = spans->currentIndex() < 0 ? QString() : listRows(window, "lvwPassTypes", ", ");
    }
    QCOMPARE(shown.replace(dir.path(), QStringLiteral("$DIR")), texts);
    // Every figure stands right-aligned, and all five rows in view.
    const auto* list = window.findChild<QTreeWidget*>(QStringLiteral("lvwPassTypes"));
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        const QTreeWidgetItem* item = list->topLevelItem(row);
        QVERIFY(list->visualItemRect(item).bottom() < list->viewport()->height());
        for (int column = 0; column < item->columnCount(); ++column)
            QCOMPARE(item->textAlignment(column) & Qt::AlignHorizontal_Mask,
                     int(column == 0 ? Qt::AlignLeft : Qt::AlignRight));
    }
}

void ViewsTest::theRatingAxisRunsToOneSixtyWithTheHighestRatingMarked() {
    QCOMPARE(ratingAxisLabels(), (QStringList{"0", "40", "80", "120", "160"}));
    QCOMPARE(highestRatingText(QStringLiteral(",")), QStringLiteral("max 158,33"));
    // The highest line stands just below the top tick, in the same scale as every tick.
    RatingChart chart({}, QStringLiteral("."));
    chart.resize(560, 240);
    const double step = chart.ratingY(FixedPoint4{0}) - chart.ratingY(FixedPoint4{400000});
    QCOMPARE(chart.ratingY(FixedPoint4{0}) - chart.ratingY(FixedPoint4{1600000}), 4 * step);
    QCOMPARE(chart.ratingY(FixedPoint4{0}) - chart.ratingY(highestRating()), step * 158.33 / 40);
}

void ViewsTest::aPointsTooltipGoesWithThePointerOrAResize() {
    const QByteArray seasons = twoSeasonsOfPlayTypes();
    RatingChart chart(ratingTrend({decodeSeason(seasons.first(SeasonRecordSize)),
                                   decodeSeason(seasons.sliced(SeasonRecordSize))}),
                      QStringLiteral("."));
    chart.resize(560, 240);
    chart.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chart));
    const auto hover = [&chart] {
        const QPoint at = chart.pointPosition({2, FixedPoint4::fromHundredths(9318)}).toPoint();
        QHelpEvent help(QEvent::ToolTip, at, chart.mapToGlobal(at));
        QCoreApplication::sendEvent(&chart, &help);
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), QStringLiteral("All, season 2: 93.18"));
    };
    hover();
    chart.resize(600, 300);
    QTRY_VERIFY(!QToolTip::isVisible());
    hover();
    QTest::mouseMove(&chart, QPoint(10, 10));
    QTRY_VERIFY(!QToolTip::isVisible());
}

void ViewsTest::theLineColoursStayApart() {
    QFETCH(QString, colours);
    QFETCH(QString, fails);
    std::vector<ChartColour> palette;
    for (std::size_t line = 0; colours == u"chart" && line < ViewLineCount; ++line)
        palette.push_back(viewLineStyle(line).colour);
    for (const QString& name : colours == u"chart" ? QStringList() : colours.split(u' ')) {
        const QColor colour = QColor::fromString(name);
        if (!colour.isValid())
            unknownWord(QStringLiteral("colour"), name);
        palette.push_back({colour.red(), colour.green(), colour.blue()});
    }
    QCOMPARE(colour::failures(palette), fails);
}

void ViewsTest::howToPlayTellsTheRules() {
    QFETCH(QString, cell);
    QFETCH(QString, outcome);
    const QString page = howToPlayHtml(
        QStringLiteral("%TARGET% %MAXIMUM% %GAMES% %SEASONS% %DIRECTORY% %DISTANCES% %RUNS%"),
        QStringLiteral("/home/kim/R&D/"));
    QVERIFY(page.startsWith(QStringLiteral("40 50 16 15 /home/kim/R&amp;D <table")));
    QVERIFY2(page.contains(QStringLiteral("<tr><td>%1</td><td>%2</td></tr>").arg(cell, outcome)),
             qPrintable(page));
}

QTEST_MAIN(ViewsTest)
#include "views_test.moc"
