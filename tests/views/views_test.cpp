// SPDX-License-Identifier: MIT
// What the career views show and the export writes, by tables of prepared careers: the career
// window and the records window through their real widgets, the exported page's rows and its
// refusals, the pass types and the How to Play page. A whole career's page is pinned by the
// career test.
#include "support/datatable.h"
#include "support/filebytes.h"
#include "support/passtypeseasons.h"
#include "support/recordingmessenger.h"
#include "support/seasonbuilder.h"

#include "storage/filecareer.h"
#include "storage/recordswindow.h"
#include "views/careerwindow.h"
#include "views/exportpage.h"
#include "views/exportwriter.h"
#include "views/howtoplay.h"
#include "views/passtypetable.h"
#include "views/ratingtrend.h"

#include <QDir>
#include <QLabel>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

namespace {

std::vector<SeasonStats> storedSeasons(const QString& records) {
    std::vector<SeasonStats> result;
    for (const QString& record : records.split(u';')) {
        const QStringList n = record.split(u' ', Qt::SkipEmptyParts);
        result.push_back(season(n[0].toInt(), n[1].toInt(), n[2].toInt(), n[3].toInt(),
                                n[4].toInt(), n[5].toInt(), n[6].toInt()));
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
    void howToPlayTellsTheRules_data() { addTableRows(QStringLiteral("views/howtoplay.txt")); }
    void howToPlayTellsTheRules();
};

void ViewsTest::seasonTables() {
    QFETCH(QString, view);
    QFETCH(QString, seasons);
    QFETCH(QString, point);
    QFETCH(QString, rows);
    if (view == u"page") {
        QCOMPARE(pageRows(exportPageLines(storedSeasons(seasons), {}, QString(), point)), rows);
        return;
    }
    QCOMPARE(windowRows(CareerWindow(storedSeasons(seasons), point)), rows);
}

void ViewsTest::theRecordsWindowShowsTheTenRecords() {
    const RecordsWindow window({412, 5, 4, 12, Currency::fromTenths(1000), 4100, 31, 7,
                                Currency::fromTenths(5), Currency::fromHundredths(8725)},
                               QStringLiteral(","));
    QCOMPARE(shownRecords(window),
             (QStringList{"412", "5", "4", "100", "12", "4100", "31", "7", "0,5", "87,25"}));
}

void ViewsTest::anEmptyCareerExportsItsPinnedPage() {
    QTemporaryDir dir;
    for (int time = 0; time < 2; ++time) { // the second export writes the same bytes
        const ExportOutcome outcome = runExport(dir.path(), {}, {}, {}, QStringLiteral("."));
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
    if (content == u"dir")
        QVERIFY(QDir(dir.path()).mkdir(file));
    else
        write(dir.filePath(file), QByteArray(content.section(u'*', 0, 0).toInt(),
                                             char(content.section(u'*', 1).toInt(nullptr, 16))));
    RecordingMessenger messenger;
    FileCareer career(dir.path(), messenger);
    const QStringList files = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    const ExportOutcome outcome = exportCareer(career, QStringLiteral("Sam"), QStringLiteral("."));
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
    QFETCH(QString, texts);
    QTemporaryDir dir;
    RecordingMessenger messenger;
    FileCareer career(dir.path(), messenger);
    write(career.seasonsPath(), file == u"prepared" ? twoSeasonsOfPassTypes() : QByteArray());
    const std::vector<SeasonStats> seasons = career.peekSeasons().seasons;
    const QString point = QStringLiteral(".");
    if (span == u"chart") {
        QCOMPARE(ratingTrendDescription(ratingTrend(seasons), point), texts);
        return;
    }
    QStringList shown;
    for (const PassTypeRow& row : passTypeRows(seasons, span.toInt(), point)) {
        const PassingTexts& t = row.texts;
        shown << QStringList{row.name,     t.attempts,   t.completions,   t.percentage, t.yards,
                             t.perAttempt, t.touchdowns, t.interceptions, t.rating}
                     .join(QStringLiteral(", "));
    }
    QCOMPARE(shown.join(QStringLiteral(" | ")), texts);
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
