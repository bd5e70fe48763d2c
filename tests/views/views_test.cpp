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

QString windowRows(const CareerWindow& window) {
    const auto* list = window.findChild<QTreeWidget*>(QStringLiteral("lvwCareer"));
    QStringList rows;
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        QStringList cells;
        for (int column = 1; column < 11; ++column) {
            const QBrush brush = list->topLevelItem(row)->foreground(column);
            cells << list->topLevelItem(row)->text(column) +
                         (brush.style() == Qt::NoBrush ? QString() : u'/' + brush.color().name());
        }
        rows << cells.join(u' ');
    }
    return rows.join(QStringLiteral(" | "));
}

QString pageRows(const QStringList& page) {
    static const QRegularExpression markup(
        QStringLiteral("<td><div align=center>|</div></td>|</tr>"));
    const qsizetype end = page.indexOf(QStringLiteral("</tr></table>"));
    return page.mid(21, end - 21).join(u' ').remove(markup).simplified();
}

QStringList shownRecords(const RecordsWindow& window) {
    QStringList values;
    for (const char* name : {"lblYards", "lblTDs", "lblINTs", "lblComp", "lblInRow", "lblsYards",
                             "lblsTD", "lblsInt", "lblsComp", "lblsRating"})
        values << window.findChild<QLabel*>(QString::fromLatin1(name))->text();
    return values;
}

// The rows Pass Types lists for `span`, its cells joined by ", "; none where the window offers
// no such span. Every figure must stand right-aligned, and all five rows in view.
QString passTypeRowsShown(PlayTypesWindow& window, int span) {
    auto* spans = window.findChild<QComboBox*>(QStringLiteral("cboSpan"));
    const int choice = spans->findData(span);
    if (choice < 0)
        return {};
    spans->setCurrentIndex(choice);
    const auto* list = window.findChild<QTreeWidget*>(QStringLiteral("lvwPassTypes"));
    QStringList rows;
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        const QTreeWidgetItem* item = list->topLevelItem(row);
        QStringList cells;
        for (int column = 0; column < item->columnCount(); ++column) {
            const Qt::Alignment wanted = column == 0 ? Qt::AlignLeft : Qt::AlignRight;
            if ((Qt::Alignment(item->textAlignment(column)) & Qt::AlignHorizontal_Mask) != wanted)
                return QStringLiteral("misaligned in column %1").arg(column);
            cells << item->text(column);
        }
        if (list->visualItemRect(item).bottom() >= list->viewport()->height())
            return QStringLiteral("row %1 out of view").arg(row);
        rows << cells.join(QStringLiteral(", "));
    }
    return rows.join(QStringLiteral(" | "));
}

// The chart's colours by the reckoning of colour science: sRGB (D65) to CIELAB, simulated
// colour blindness (Machado, Oliveira and Fernandes 2009, full severity, applied to linear RGB)
// and the WCAG 2.1 relative luminance and contrast.
namespace colour {

using Triple = std::array<double, 3>;
using Matrix = std::array<Triple, 3>;

struct Vision {
    const char* name;
    Matrix simulation;
};

const Vision visions[] = {
    {"normal", {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}}},
    {"deuteranopia",
     {{{0.367322, 0.860646, -0.227968},
       {0.280085, 0.672501, 0.047413},
       {-0.011820, 0.042940, 0.968881}}}},
    {"protanopia",
     {{{0.152286, 1.052583, -0.204868},
       {0.114503, 0.786281, 0.099216},
       {-0.003882, -0.048116, 1.051998}}}},
};

Triple times(const Matrix& m, const Triple& v) {
    Triple product{};
    for (std::size_t row = 0; row < 3; ++row)
        product[row] = m[row][0] * v[0] + m[row][1] * v[1] + m[row][2] * v[2];
    return product;
}

// A component from 0 to 255 in linear light; sRGB bends at 0.04045, WCAG 2.1 at 0.03928.
double linear(int component, double knee) {
    const double c = component / 255.0;
    return c <= knee ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

Triple linearRgb(const ChartColour& c, double knee) {
    return {linear(c.red, knee), linear(c.green, knee), linear(c.blue, knee)};
}

Triple lab(const ChartColour& c, const Matrix& simulation) {
    Triple rgb = times(simulation, linearRgb(c, 0.04045));
    for (double& component : rgb)
        component = std::clamp(component, 0.0, 1.0);
    const Matrix toXyz{{{0.4124564, 0.3575761, 0.1804375},
                        {0.2126729, 0.7151522, 0.0721750},
                        {0.0193339, 0.1191920, 0.9503041}}};
    const Triple xyz = times(toXyz, rgb);
    const Triple white{0.95047, 1.0, 1.08883};
    Triple f{};
    for (std::size_t i = 0; i < 3; ++i) {
        const double t = xyz[i] / white[i];
        constexpr double delta = 6.0 / 29;
        f[i] = t > delta * delta * delta ? std::cbrt(t) : t / (3 * delta * delta) + 4.0 / 29;
    }
    return {116 * f[1] - 16, 500 * (f[0] - f[1]), 200 * (f[1] - f[2])};
}

double deltaE76(const Triple& a, const Triple& b) {
    return std::hypot(a[0] - b[0], a[1] - b[1], a[2] - b[2]);
}

double luminance(const ChartColour& c) {
    const Triple rgb = linearRgb(c, 0.03928);
    return 0.2126 * rgb[0] + 0.7152 * rgb[1] + 0.0722 * rgb[2];
}

double contrast(const ChartColour& a, const ChartColour& b) {
    const double first = luminance(a);
    const double second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

// The rules the colours break, by their places from 1.
QString failures(const std::vector<ChartColour>& colours) {
    QStringList broken;
    for (const Vision& vision : visions)
        for (std::size_t i = 0; i < colours.size(); ++i)
            for (std::size_t j = i + 1; j < colours.size(); ++j)
                if (deltaE76(lab(colours[i], vision.simulation),
                             lab(colours[j], vision.simulation)) < 25)
                    broken << QStringLiteral("%1 %2-%3")
                                  .arg(QString::fromLatin1(vision.name))
                                  .arg(i + 1)
                                  .arg(j + 1);
    for (std::size_t i = 0; i < colours.size(); ++i)
        if (contrast(colours[i], ChartBackground) < 3)
            broken << QStringLiteral("contrast %1").arg(i + 1);
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
    QCOMPARE(windowRows(CareerWindow(storedSeasons(seasons), point)), rows);
}

void ViewsTest::theRecordsWindowShowsTheTenRecords() {
    const RecordsWindow window({412, 5, 4, 12, FixedPoint4::fromTenths(1000), 4100, 31, 7,
                                FixedPoint4::fromTenths(5), FixedPoint4::fromHundredths(8725)},
                               QStringLiteral(","));
    QCOMPARE(shownRecords(window),
             (QStringList{"412", "5", "4", "100", "12", "4100", "31", "7", "0,5", "87,25"}));
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
    QFETCH(QString, content);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString page = dir.filePath(QStringLiteral("gdk.html"));
    write(page, "<p>an earlier page</p>");
    const QByteArray fill = QByteArray::fromHex(content.section(u'*', 1).toLatin1());
    if (content == u"dir")
        QVERIFY(QDir(dir.path()).mkdir(file));
    else if (fill.size() == 1)
        write(dir.filePath(file), QByteArray(tableInt(content.section(u'*', 0, 0)), fill[0]));
    else
        unknownWord(QStringLiteral("content"), content);
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
    tableChoice({"prepared", "damaged", "empty", "unreadable"}, QStringLiteral("file"), file);
    if (file == u"unreadable")
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("gdk.dat")));
    else
        write(career.seasonsPath(),
              file == u"empty" ? QByteArray()
                               : twoSeasonsOfPlayTypes() +
                                     (file == u"damaged" ? encodeSeason({.number = 3, .games = 17})
                                                         : QByteArray()));
    const PeekedSeasons peeked = career.peekSeasons();
    if (span == u"note") {
        // Above the table, or in place of a chart with nothing to plot.
        PlayTypesWindow window(peeked, point);
        const auto* note = window.findChild<QLabel*>(QStringLiteral("lblNote"));
        QString shown =
            note->isVisibleTo(&window)
                ? note->text()
                : ratingTrendDescription(ratingTrend(peeked.seasons, peeked.note), point);
        QCOMPARE(shown.replace(dir.path(), QStringLiteral("$DIR")), texts);
        return;
    }
    if (span == u"chart") {
        QCOMPARE(ratingTrendDescription(ratingTrend(peeked.seasons, peeked.note), point), texts);
        return;
    }
    PlayTypesWindow window(peeked, point);
    window.show();
    QCOMPARE(passTypeRowsShown(window, tableInt(span)), texts);
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
    QTemporaryDir dir;
    RecordingMessenger messenger;
    FileCareer career(dir.path(), messenger);
    write(career.seasonsPath(), twoSeasonsOfPlayTypes());
    RatingChart chart(ratingTrend(career.peekSeasons().seasons), QStringLiteral("."));
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
    const QPointF away(10, 10);
    QMouseEvent move(QEvent::MouseMove, away, chart.mapToGlobal(away), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(&chart, &move);
    QTRY_VERIFY(!QToolTip::isVisible());
}

void ViewsTest::theLineColoursStayApart() {
    QFETCH(QString, colours);
    QFETCH(QString, fails);
    std::vector<ChartColour> palette;
    for (std::size_t line = 0; line < ViewLineCount; ++line)
        palette.push_back(viewLineStyle(line).colour);
    if (colours != u"chart") {
        palette.clear();
        for (const QString& name : colours.split(u' ')) {
            const QColor colour = QColor::fromString(name);
            if (!colour.isValid())
                unknownWord(QStringLiteral("colour"), name);
            palette.push_back({colour.red(), colour.green(), colour.blue()});
        }
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
