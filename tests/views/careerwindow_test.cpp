// SPDX-License-Identifier: MIT
#include "support/seasonbuilder.h"

#include "views/careerwindow.h"

#include "stats/numbertext.h"
#include "stats/passerrating.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

namespace {

// The ten visible cells of a row of the window's table.
QStringList cells(QTreeWidgetItem* item) {
    QStringList texts;
    for (int column = 1; column < 11; ++column)
        texts << item->text(column);
    return texts;
}

QTreeWidget* table(CareerWindow& window) {
    return window.findChild<QTreeWidget*>(QStringLiteral("lvwCareer"));
}

} // namespace

class CareerWindowTest : public QObject {
    Q_OBJECT
private slots:
    void theWindowHasItsTitleSizeAndColumns();
    void aSeasonAndTheCareerRowInTheirColours();
    void quotientsDropTheLeadingZero_data();
    void quotientsDropTheLeadingZero();
    void unplayedSeasonsShowNoRowButCountInTheTotals();
    void aSeasonWithoutAttemptsShowsDashes();
    void noCompletionsMeansNoCareerRow();
    void aFullCareerListsFifteenSeasonsInOrder();
    void closeEndsTheWindow();
};

void CareerWindowTest::theWindowHasItsTitleSizeAndColumns() {
    CareerWindow window({}, QStringLiteral("."));
    QCOMPARE(window.windowTitle(), QStringLiteral("Career Stats"));
    QVERIFY(window.isModal());
    QCOMPARE(window.size(), QSize(443, 301));
    QTreeWidget* list = table(window);
    QCOMPARE(list->geometry(), QRect(0, 0, 441, 261));
    QCOMPARE(list->topLevelItemCount(), 0);
    QCOMPARE(list->columnCount(), 11);
    QVERIFY(list->isColumnHidden(0));
    const int widths[] = {47, 30, 43, 43, 50, 47, 43, 40, 40, 53};
    const char* captions[] = {"Season", "G",   "Comp", "Att", "Comp%",
                              "Yards",  "YPA", "TD",   "INT", "Rating"};
    for (int column = 1; column < 11; ++column) {
        QCOMPARE(list->header()->sectionSize(column), widths[column - 1]);
        QCOMPARE(list->headerItem()->text(column), QString::fromLatin1(captions[column - 1]));
    }
    auto* close = window.findChild<QPushButton*>(QStringLiteral("Command1"));
    QCOMPARE(close->text(), QStringLiteral("&Close"));
    QCOMPARE(close->geometry(), QRect(356, 268, 81, 29));
}

void CareerWindowTest::aSeasonAndTheCareerRowInTheirColours() {
    const SeasonStats first = season(1, 3, 20, 32, 250, 2, 1);
    CareerWindow window({first}, QStringLiteral("."));
    QTreeWidget* list = table(window);
    QCOMPARE(list->topLevelItemCount(), 2);
    const QString rating = currencyText(getSeasonRating(first), QStringLiteral("."));
    QVERIFY(rating != QStringLiteral("0"));
    QCOMPARE(cells(list->topLevelItem(0)),
             (QStringList{"1", "3", "20", "32", "62.5", "250", "7.8", "2", "1", rating}));
    QCOMPARE(list->topLevelItem(0)->text(0), QStringLiteral("1"));
    QTreeWidgetItem* career = list->topLevelItem(1);
    QCOMPARE(career->text(0), QStringLiteral("Career"));
    QCOMPARE(cells(career),
             (QStringList{"Career", "3", "20", "32", "62.5", "250", "7.8", "2", "1", rating}));
    QCOMPARE(career->foreground(1).color(), QColor(255, 0, 0));
    for (int column = 2; column < 11; ++column)
        QCOMPARE(career->foreground(column).color(), QColor(0, 0, 255));
    // Season rows keep the list's own colour.
    QCOMPARE(list->topLevelItem(0)->foreground(2).style(), Qt::NoBrush);
    for (int column = 1; column < 11; ++column)
        QCOMPARE(career->textAlignment(column), int(Qt::AlignCenter));
}

void CareerWindowTest::quotientsDropTheLeadingZero_data() {
    QTest::addColumn<int>("comp");
    QTest::addColumn<int>("att");
    QTest::addColumn<int>("yds");
    QTest::addColumn<QString>("percentage");
    QTest::addColumn<QString>("perAttempt");
    QTest::newRow("every pass caught") << 50 << 50 << 500 << "100.0"
                                       << "10.0";
    QTest::newRow("one of 150") << 1 << 150 << 75 << ".7"
                                << ".5";
    QTest::newRow("half rounds up") << 29 << 40 << 290 << "72.5"
                                    << "7.3";
}

void CareerWindowTest::quotientsDropTheLeadingZero() {
    QFETCH(int, comp);
    QFETCH(int, att);
    QFETCH(int, yds);
    QFETCH(QString, percentage);
    QFETCH(QString, perAttempt);
    CareerWindow window({season(1, 16, comp, att, yds)}, QStringLiteral("."));
    const QStringList row = cells(table(window)->topLevelItem(0));
    QCOMPARE(row[4], percentage);
    QCOMPARE(row[6], perAttempt);
    CareerWindow comma({season(1, 16, comp, att, yds)}, QStringLiteral(","));
    QCOMPARE(cells(table(comma)->topLevelItem(0))[4], QString(percentage).replace(u'.', u','));
}

void CareerWindowTest::unplayedSeasonsShowNoRowButCountInTheTotals() {
    // A record with no games is not listed; its figures still count for the career.
    CareerWindow window({season(1, 16, 200, 320, 2500, 20, 10), season(2, 0, 5, 10, 50),
                         season(3, 4, 40, 60, 500, 4, 1)},
                        QStringLiteral("."));
    QTreeWidget* list = table(window);
    QCOMPARE(list->topLevelItemCount(), 3);
    QCOMPARE(list->topLevelItem(0)->text(1), QStringLiteral("1"));
    QCOMPARE(list->topLevelItem(1)->text(1), QStringLiteral("3"));
    QCOMPARE(cells(list->topLevelItem(2)).mid(0, 9),
             (QStringList{"Career", "20", "245", "390", "62.8", "3050", "7.8", "24", "11"}));
}

void CareerWindowTest::aSeasonWithoutAttemptsShowsDashes() {
    CareerWindow window({season(1, 2, 0, 0, 0), season(2, 16, 20, 32, 250)}, QStringLiteral("."));
    QTreeWidget* list = table(window);
    const QStringList row = cells(list->topLevelItem(0));
    QCOMPARE(row, (QStringList{"1", "2", "0", "0", QStringLiteral("\u2013"), "0",
                               QStringLiteral("\u2013"), "0", "0", "0"}));
    QCOMPARE(list->topLevelItemCount(), 3);
}

void CareerWindowTest::noCompletionsMeansNoCareerRow() {
    CareerWindow window({season(1, 1, 0, 26, 0, 0, 3)}, QStringLiteral("."));
    QTreeWidget* list = table(window);
    QCOMPARE(list->topLevelItemCount(), 1);
    QCOMPARE(cells(list->topLevelItem(0))[4], QStringLiteral(".0"));
}

void CareerWindowTest::aFullCareerListsFifteenSeasonsInOrder() {
    std::vector<SeasonStats> seasons;
    for (int number = 1; number <= 15; ++number)
        seasons.push_back(season(number, 16, 300 + number, 500, 3500, 20, 10));
    seasons.resize(100);
    CareerWindow window(seasons, QStringLiteral("."));
    QTreeWidget* list = table(window);
    QCOMPARE(list->topLevelItemCount(), 16);
    for (int row = 0; row < 15; ++row)
        QCOMPARE(list->topLevelItem(row)->text(1), QString::number(row + 1));
    QCOMPARE(cells(list->topLevelItem(15)).mid(0, 4),
             (QStringList{"Career", "240", "4620", "7500"}));
}

void CareerWindowTest::closeEndsTheWindow() {
    CareerWindow window({}, QStringLiteral("."));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    QVERIFY(!window.isVisible());
    QCOMPARE(window.result(), int(QDialog::Accepted));
}

QTEST_MAIN(CareerWindowTest)
#include "careerwindow_test.moc"
