// SPDX-License-Identifier: MIT
// The career window and the records window through their real widgets.
#include "support/recordingmessenger.h"
#include "support/seasonbuilder.h"

#include "storage/filecareer.h"
#include "storage/recordswindow.h"
#include "views/careerwindow.h"

#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

namespace {

// The ten visible cells of each row of the career window's table.
QList<QStringList> rows(const CareerWindow& window) {
    const auto* list = window.findChild<QTreeWidget*>(QStringLiteral("lvwCareer"));
    QList<QStringList> texts;
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        texts.append(QStringList());
        for (int column = 1; column < 11; ++column)
            texts.last() << list->topLevelItem(row)->text(column);
    }
    return texts;
}

QStringList shownValues(const RecordsWindow& window) {
    QStringList values;
    for (const char* name : {"lblYards", "lblTDs", "lblINTs", "lblComp", "lblInRow", "lblsYards",
                             "lblsTD", "lblsInt", "lblsComp", "lblsRating"})
        values << window.findChild<QLabel*>(QString::fromLatin1(name))->text();
    return values;
}

void closeWithItsButton(QDialog& window) {
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    QVERIFY(!window.isVisible());
}

} // namespace

class CareerViewsTest : public QObject {
    Q_OBJECT
private slots:
    void theCareerWindowListsPlayedSeasonsAndTheCareer();
    void aCareerWithoutACompletionHasNoCareerRow();
    void theRecordsWindowShowsTheTenRecords();
};

void CareerViewsTest::theCareerWindowListsPlayedSeasonsAndTheCareer() {
    const QString dash = QStringLiteral("\u2013");
    // A season without games is not listed, but its figures count for the career.
    CareerWindow window({season(1, 16, 50, 50, 500, 2, 1), season(2, 0, 5, 10, 50),
                         season(3, 2, 0, 0, 0), season(4, 16, 1, 150, 75)},
                        QStringLiteral("."));
    QCOMPARE(window.windowTitle(), QStringLiteral("Career Stats"));
    QCOMPARE(rows(window),
             (QList<QStringList>{
                 {"1", "16", "50", "50", "100.0", "500", "10.0", "2", "1", "113.33"},
                 {"3", "2", "0", "0", dash, "0", dash, "0", "0", "0"},
                 {"4", "16", "1", "150", ".7", "75", ".5", "0", "0", "39.58"},
                 {"Career", "34", "56", "210", "26.7", "625", "3.0", "2", "1", "40.77"}}));
    const auto* list = window.findChild<QTreeWidget*>(QStringLiteral("lvwCareer"));
    QCOMPARE(list->headerItem()->text(5), QStringLiteral("Comp%"));
    const QTreeWidgetItem* career = list->topLevelItem(3);
    QCOMPARE(career->foreground(1).color(), QColor(255, 0, 0));
    for (int column = 2; column < 11; ++column)
        QCOMPARE(career->foreground(column).color(), QColor(0, 0, 255));
    QCOMPARE(list->topLevelItem(0)->foreground(2).style(), Qt::NoBrush);
    CareerWindow comma({season(1, 16, 50, 50, 500, 2, 1)}, QStringLiteral(","));
    QCOMPARE(rows(comma)[0][4], QStringLiteral("100,0"));
    closeWithItsButton(window);
}

void CareerViewsTest::aCareerWithoutACompletionHasNoCareerRow() {
    CareerWindow window({season(1, 1, 0, 26, 0, 0, 3)}, QStringLiteral("."));
    QCOMPARE(rows(window),
             (QList<QStringList>{{"1", "1", "0", "26", ".0", "0", ".0", "0", "3", "0"}}));
}

void CareerViewsTest::theRecordsWindowShowsTheTenRecords() {
    CareerRecords r;
    r.MostGameYds = 412;
    r.MostGameTD = 5;
    r.MostGameInt = 4;
    r.BestGameCompPct = Currency::fromTenths(1000);
    r.MostInRow = 12;
    r.MostSeasonYds = 4100;
    r.MostSeasonTD = 31;
    r.LeastSeasonInt = 7;
    r.BestSeasonCompPct = Currency::fromTenths(5);
    r.BestSeasonRating = Currency::fromHundredths(8725);
    RecordsWindow window(r, QStringLiteral(","));
    QCOMPARE(window.windowTitle(), QStringLiteral("Career Records"));
    QCOMPARE(shownValues(window),
             (QStringList{"412", "5", "4", "100", "12", "4100", "31", "7", "0,5", "87,25"}));
    // Without a records file every record is 0, and opening the file made it, empty.
    QTemporaryDir dir;
    RecordingMessenger messenger;
    FileCareer career(dir.path(), messenger);
    QCOMPARE(shownValues(RecordsWindow(career.loadRecords(), QStringLiteral("."))),
             QStringList(10, QStringLiteral("0")));
    QCOMPARE(QFileInfo(career.recordsPath()).size(), 0);
    QVERIFY(QFileInfo::exists(career.recordsPath()));
    closeWithItsButton(window);
}

QTEST_MAIN(CareerViewsTest)
#include "careerviews_test.moc"
