// SPDX-License-Identifier: MIT
#include "support/recordingmessenger.h"

#include "storage/filecareer.h"
#include "storage/recordscodec.h"
#include "storage/recordswindow.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

const char* const valueLabels[] = {"lblYards",  "lblTDs", "lblINTs", "lblComp",  "lblInRow",
                                   "lblsYards", "lblsTD", "lblsInt", "lblsComp", "lblsRating"};

QStringList shownValues(const RecordsWindow& window) {
    QStringList values;
    for (const char* name : valueLabels)
        values << window.findChild<QLabel*>(QString::fromLatin1(name))->text();
    return values;
}

CareerRecords someRecords() {
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
    return r;
}

} // namespace

class RecordsWindowTest : public QObject {
    Q_OBJECT
private slots:
    void theWindowHasItsFramesLabelsAndPlaces();
    void valuesAreCountsAndShortestCurrency();
    void withoutAFileEveryValueIsZeroAndTheFileExists();
    void clearingTheCareerLeavesTheRecordsAsTheyWere();
    void closeEndsTheWindow();
};

void RecordsWindowTest::theWindowHasItsFramesLabelsAndPlaces() {
    RecordsWindow window({}, QStringLiteral("."));
    QCOMPARE(window.windowTitle(), QStringLiteral("Career Records"));
    QVERIFY(window.isModal());
    QCOMPARE(window.size(), QSize(461, 190));
    auto* game = window.findChild<QGroupBox*>(QStringLiteral("Frame1"));
    auto* season = window.findChild<QGroupBox*>(QStringLiteral("Frame2"));
    QCOMPARE(game->title(), QStringLiteral("Game Records"));
    QCOMPARE(season->title(), QStringLiteral("Season Records"));
    QCOMPARE(game->geometry(), QRect(4, 8, 221, 141));
    QCOMPARE(season->geometry(), QRect(236, 8, 221, 141));
    const char* captions[] = {
        "Most Yards", "Most Touchdowns", "Most Interceptions",  "Best Comp %", "Comp In a Row",
        "Most Yards", "Most Touchdowns", "Least Interceptions", "Best Comp %", "Best QB Rating"};
    const int tops[] = {20, 44, 68, 92, 116};
    for (int i = 0; i < 10; ++i) {
        auto* caption = window.findChild<QLabel*>(QStringLiteral("Label%1").arg(i + 2));
        auto* value = window.findChild<QLabel*>(QString::fromLatin1(valueLabels[i]));
        QCOMPARE(caption->text(), QString::fromLatin1(captions[i]));
        QCOMPARE(caption->parentWidget(), i < 5 ? game : season);
        QCOMPARE(value->parentWidget(), i < 5 ? game : season);
        QCOMPARE(caption->geometry().topLeft(), QPoint(8, tops[i % 5]));
        QCOMPARE(value->geometry(), QRect(128, tops[i % 5], 81, 17));
        QVERIFY(value->font().bold());
    }
    auto* close = window.findChild<QPushButton*>(QStringLiteral("Command1"));
    QCOMPARE(close->text(), QStringLiteral("&Close"));
    QCOMPARE(close->geometry(), QRect(376, 156, 81, 29));
}

void RecordsWindowTest::valuesAreCountsAndShortestCurrency() {
    RecordsWindow window(someRecords(), QStringLiteral("."));
    QCOMPARE(shownValues(window),
             (QStringList{"412", "5", "4", "100", "12", "4100", "31", "7", "0.5", "87.25"}));
    RecordsWindow comma(someRecords(), QStringLiteral(","));
    QCOMPARE(shownValues(comma)[8], QStringLiteral("0,5"));
}

void RecordsWindowTest::withoutAFileEveryValueIsZeroAndTheFileExists() {
    QTemporaryDir dir;
    RecordingMessenger messenger;
    FileCareer career(dir.path(), messenger);
    RecordsWindow window(career.loadRecords(), QStringLiteral("."));
    QCOMPARE(shownValues(window), QStringList(10, QStringLiteral("0")));
    QVERIFY(QFile::exists(career.recordsPath()));
    QCOMPARE(QFileInfo(career.recordsPath()).size(), 0);
    QVERIFY(messenger.messages().isEmpty());
}

void RecordsWindowTest::clearingTheCareerLeavesTheRecordsAsTheyWere() {
    QTemporaryDir dir;
    RecordingMessenger messenger;
    FileCareer career(dir.path(), messenger);
    QFile file(career.recordsPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(encodeRecords(someRecords()));
    file.close();
    const QStringList before =
        shownValues(RecordsWindow(career.loadRecords(), QStringLiteral(".")));
    career.clearCareer();
    QCOMPARE(shownValues(RecordsWindow(career.loadRecords(), QStringLiteral("."))), before);
    QCOMPARE(before[0], QStringLiteral("412"));
}

void RecordsWindowTest::closeEndsTheWindow() {
    RecordsWindow window({}, QStringLiteral("."));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    QVERIFY(!window.isVisible());
}

QTEST_MAIN(RecordsWindowTest)
#include "recordswindow_test.moc"
