// SPDX-License-Identifier: MIT
#include "support/fakecareer.h"
#include "support/filebytes.h"
#include "support/modaldialog.h"
#include "support/passtypeseasons.h"
#include "support/recordingmessenger.h"
#include "support/scriptedclock.h"
#include "support/windowdriver.h"

#include "app/accessibilitymirror.h"
#include "app/hirestimer.h"
#include "app/mainwindow.h"
#include "app/showfirstmessenger.h"
#include "play/playtype.h"
#include "storage/filecareer.h"
#include "views/ratingchart.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTreeWidget>

using std::chrono::milliseconds;

namespace {

// The main window over a career that remembers its calls.
struct WindowParts {
    ScriptedRandomSource random;
    FakeCareer career;
    QTemporaryDir dir;
    RecordingMessenger messenger;
    ShowFirstMessenger shown{messenger};
    FileCareer archive{dir.path(), shown};
    ScriptedClock clock;
    MainWindow window{{random, career, archive, shown, QStringLiteral("."), clock.function()}};
};

// The parts come first, so they exist before the driver shows the window.
struct Window : WindowParts, WindowDriver {
    Window() : WindowDriver(window, random) {}

    // The window held up for `ms` while the clock runs on, then the timer catching up.
    void holdUp(int ms) {
        auto* timer = find<HiResTimer>("cTmr");
        timer->blockSignals(false);
        clock.advance(milliseconds(ms));
        QEvent wake(WakeThread::eventType());
        QCoreApplication::sendEvent(timer, &wake);
        timer->blockSignals(true);
    }
    // A left press carrying the window system's stamp of `agoMs` before now.
    void pressStamped(int agoMs) {
        const QPointF centre = QRectF(button()->rect()).center();
        const QPointF global = button()->mapToGlobal(centre);
        QMouseEvent down(QEvent::MouseButtonPress, centre, global, Qt::LeftButton, Qt::LeftButton,
                         Qt::NoModifier);
        down.setTimestamp(clock.stampAgo(milliseconds(agoMs)));
        QCoreApplication::sendEvent(button(), &down);
        QMouseEvent up(QEvent::MouseButtonRelease, centre, global, Qt::LeftButton, Qt::NoButton,
                       Qt::NoModifier);
        QCoreApplication::sendEvent(button(), &up);
    }
    // How wide the meter's fill is where the window has drawn it, not as a fresh painting.
    int meterFillShown() const {
        auto* meter = find<QProgressBar>("pbThrow");
        const QPoint at = meter->mapTo(&window, QPoint(0, 0));
        const QImage drawn =
            window.screen()
                ->grabWindow(window.winId(), at.x(), at.y(), meter->width(), meter->height())
                .toImage();
        const QRgb fill = meter->palette().color(QPalette::Highlight).rgb();
        int width = 0;
        for (int x = 0; x < drawn.width(); ++x)
            width += drawn.pixel(x, drawn.height() / 2) == fill ? 1 : 0;
        return width;
    }
};

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void startsWithTheButtonDisabledAndEmptyLabels();
    void theMenuHasItsItemsAndShortcuts();
    void aSnapShowsThePlayTypeAndTheMeterRisesAtItsSpeed();
    void everyMeterStepIsDrawnAsItComes();
    void aHeldUpPressIsGradedWhereTheMeterStoodThen();
    void throwsNearTheTargetComplete_data();
    void throwsNearTheTargetComplete();
    void aThrowFiveOffRisksAnInterception();
    void theRightButtonPlaysAndTheKeyboardDoesNot();
    void newGameDuringASnapThrowsWithoutAPlayType();
    void clearingIsOnlyAvailableBetweenGames();
    void everyNamedControlIsFoundByItsDescription();
    void f1OpensHowToPlayAndEscClosesIt();
    void passTypesShowsTheFileAndCreatesNone();
    void aboutTellsTheVersionLicenceAndHomePage();
};

void MainWindowTest::startsWithTheButtonDisabledAndEmptyLabels() {
    Window w;
    QCOMPARE(w.window.windowTitle(), QStringLiteral("Gridlark v1.6"));
    QVERIFY(!w.button()->isEnabled());
    QCOMPARE(w.button()->text(), QStringLiteral("Hike"));
    QCOMPARE(w.text("lblCurrentThrow"), QString());
    QCOMPARE(w.text("lblCurrentStats"), QString());
    QCOMPARE(w.text("lblCareerStats"), QString());
    QCOMPARE(w.meter(), 0);
    QCOMPARE(w.visiblePictures(), QStringList{QStringLiteral("imgRec")});
    QVERIFY(w.career.calls.isEmpty()); // start-up reads no file
    w.newGame();
    QVERIFY(w.button()->isEnabled());
    QCOMPARE(w.text("lblCurrentStats"), QStringLiteral("0-0 0% 0 YDS 0 TD 0 INT .00"));
    QCOMPARE(w.text("lblCareerStats"), QStringLiteral("G 0 0-0 0% 0 YDS 0 TD 0 INT .00"));
    QCOMPARE(w.find<QGroupBox>("frmSeasonStats")->title(), QStringLiteral("Season 1 Stats"));
}

void MainWindowTest::theMenuHasItsItemsAndShortcuts() {
    Window w;
    QStringList items;
    for (QAction* menu : w.window.menuBar()->actions()) {
        items << menu->text();
        for (QAction* item : menu->menu()->actions())
            items << (item->objectName() + u' ' +
                      (item->isSeparator() ? QStringLiteral("-")
                                           : item->text() + u' ' + item->shortcut().toString()))
                         .trimmed();
    }
    QCOMPARE(items, (QStringList{"&File", "mnuNewGame &New Game Ctrl+N", "mnuFileLine1 -",
                                 "mnuExportHTML Ex&port Stats Ctrl+H", "mnuFileLine3 -",
                                 "mnuClear &Clear Career Stats", "mnuFileLine2 -",
                                 "mnuExit E&xit Ctrl+X", "&View", "mnuSeasonStats &Career Stats",
                                 "mnuSeasonRecords &Career Records", "mnuPassTypes &Pass Types",
                                 "&Help", "mnuHowToPlay &How to Play F1", "mnuHelpLine1 -",
                                 "mnuAbout &About Gridlark", "mnuAboutQt About &Qt"}));
}

void MainWindowTest::aSnapShowsThePlayTypeAndTheMeterRisesAtItsSpeed() {
    Window w;
    w.newGame();
    w.snap(PlayType::Medium); // speed 9
    QCOMPARE(w.text("lblCurrentThrow"), QStringLiteral("Medium Pass"));
    QCOMPARE(w.button()->text(), QStringLiteral("Throw"));
    QVERIFY(w.timerStarted());
    w.ticks(8);
    QCOMPARE(w.meter(), 0);
    w.ticks(1);
    QCOMPARE(w.meter(), 1);
    w.ticks(9 * 49);
    QCOMPARE(w.meter(), 50);
    QVERIFY(!w.timerStarted());
    w.ticks(50);
    QCOMPARE(w.meter(), 50);
}

void MainWindowTest::everyMeterStepIsDrawnAsItComes() {
    Window w;
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    if (w.window.screen()->grabWindow(w.window.winId()).isNull())
        QSKIP("this platform cannot read back what a window shows; the offscreen run does");
    w.newGame();
    w.snap(PlayType::Blitz); // speed 6
    int drawn = w.meterFillShown();
    QCOMPARE(drawn, 0);
    for (int value = 1; value <= 50; ++value) {
        w.ticks(6);
        const int fill = w.meterFillShown();
        QVERIFY2(fill > drawn,
                 qPrintable(QStringLiteral("meter %1 drawn %2").arg(value).arg(fill)));
        drawn = fill;
    }
    QCOMPARE(drawn, w.find<QProgressBar>("pbThrow")->width() - 2);
}

void MainWindowTest::aHeldUpPressIsGradedWhereTheMeterStoodThen() {
    Window w;
    w.newGame();
    w.snap(PlayType::Long); // speed 7
    w.holdUp(283);
    QCOMPARE(w.meter(), 40); // caught up past the press
    w.pressStamped(30);
    QCOMPARE(w.window.session().state().TickCount, 253);
    QCOMPARE(w.meter(), 36);
    QCOMPARE(w.text("lblCurrentThrow"), QStringLiteral("Long Pass Incomplete!"));
    QVERIFY(!w.timerStarted());
}

void MainWindowTest::throwsNearTheTargetComplete_data() {
    QTest::addColumn<int>("stop");
    QTest::newRow("39") << 39;
    QTest::newRow("40") << 40;
    QTest::newRow("41") << 41;
}

void MainWindowTest::throwsNearTheTargetComplete() {
    QFETCH(int, stop);
    Window w;
    w.newGame();
    w.snap(PlayType::Long); // speed 7
    w.ticks(7 * stop);
    QCOMPARE(w.meter(), stop);
    w.random.push(0.0);    // the shortest gain of the row
    w.random.push(0.9999); // and no touchdown
    w.press();
    QVERIFY(!w.timerStarted());
    QCOMPARE(w.text("lblCurrentThrow"),
             QStringLiteral("Long Pass %1 yard gain").arg(stop == 40 ? 15 : 10));
    QVERIFY(w.text("lblCurrentStats").startsWith(QStringLiteral("1-1 100% ")));
    QCOMPARE(w.button()->text(), QStringLiteral("Hike"));
}

void MainWindowTest::aThrowFiveOffRisksAnInterception() {
    Window w;
    w.newGame();
    w.snap(PlayType::Blitz); // speed 6
    w.ticks(6 * 35);
    w.random.push(1.0 / 9); // r = 2: intercepted
    w.press();
    QCOMPARE(w.text("lblCurrentThrow"), QStringLiteral("BLITZ! INTERCEPTED!"));
    QCOMPARE(w.visiblePictures(), QStringList{QStringLiteral("imgINT")});
    QCOMPARE(w.text("lblCurrentStats"), QStringLiteral("0-1 0% 0 YDS 0 TD 1 INT .00"));
    w.snap(PlayType::Short);
    QCOMPARE(w.visiblePictures(), QStringList{QStringLiteral("imgRec")});
}

void MainWindowTest::theRightButtonPlaysAndTheKeyboardDoesNot() {
    Window w;
    w.newGame();
    QCOMPARE(w.button()->focusPolicy(), Qt::NoFocus);
    QTest::keyClick(w.button(), Qt::Key_Space);
    QTest::keyClick(w.button(), Qt::Key_Return);
    QTest::keyClick(w.button(), Qt::Key_Enter);
    QCOMPARE(w.button()->text(), QStringLiteral("Hike"));
    w.random.push(playTypeDraw(PlayType::Short));
    w.press(Qt::RightButton);
    QCOMPARE(w.button()->text(), QStringLiteral("Throw"));
    w.random.push(0.9); // far off at meter 0, not intercepted
    w.press(Qt::MiddleButton);
    QCOMPARE(w.text("lblCurrentThrow"), QStringLiteral("Short Pass Incomplete!"));
}

void MainWindowTest::newGameDuringASnapThrowsWithoutAPlayType() {
    Window w;
    w.newGame();
    w.snap(PlayType::Long);
    w.ticks(7 * 3);
    w.newGame(6);
    QCOMPARE(w.button()->text(), QStringLiteral("Throw"));
    QVERIFY(w.timerStarted());
    QVERIFY(!w.find<QAction>("mnuClear")->isEnabled());
    w.ticks(100);
    QCOMPARE(w.meter(), 3);
    w.random.push(0.9);
    w.press();
    QCOMPARE(w.text("lblCurrentThrow"), QStringLiteral(" Incomplete!"));
    QCOMPARE(w.button()->text(), QStringLiteral("Hike"));
    QCOMPARE(w.text("lblCurrentStats"), QStringLiteral("0-1 0% 0 YDS 0 TD 0 INT 39.58"));
}

void MainWindowTest::clearingIsOnlyAvailableBetweenGames() {
    Window w;
    auto* clear = w.find<QAction>("mnuClear");
    QVERIFY(clear->isEnabled());
    w.newGame();
    QVERIFY(!clear->isEnabled());
    w.career.calls.clear();
    clear->trigger();
    QVERIFY(!w.career.calls.contains(QStringLiteral("clear")));

    Window over;
    over.career.open = false;
    over.find<QAction>("mnuNewGame")->trigger();
    QVERIFY(!over.button()->isEnabled());
    QVERIFY(over.find<QAction>("mnuClear")->isEnabled());
    over.find<QAction>("mnuClear")->trigger();
    QCOMPARE(over.career.calls.last(), QStringLiteral("clear"));
}

void MainWindowTest::everyNamedControlIsFoundByItsDescription() {
    AccessibilityMirror mirror;
    qApp->installEventFilter(&mirror);
    Window w;
    for (const char* name : {"cmdThrow", "lblCurrentThrow", "lblCurrentStats", "lblCareerStats",
                             "pbThrow", "imgRec", "Image1", "Frame1", "frmSeasonStats", "Frame3"})
        QCOMPARE(w.find<QWidget>(name)->accessibleDescription(), QString::fromLatin1(name));
    QCOMPARE(w.find<QWidget>("imgRec")->accessibleName(),
             QStringLiteral("Receiver reaching for the ball"));
    w.newGame();
    QCOMPARE(w.find<QLabel>("lblCurrentStats")->text(), w.text("lblCurrentStats"));
    QMessageBox box(QMessageBox::Information, QStringLiteral("Season Over"),
                    QStringLiteral("Season 1 is over"), QMessageBox::Ok, &w.window);
    box.setObjectName(QStringLiteral("seasonOver"));
    box.show();
    QCOMPARE(box.accessibleDescription(), QStringLiteral("seasonOver"));
    qApp->removeEventFilter(&mirror);
}

void MainWindowTest::f1OpensHowToPlayAndEscClosesIt() {
    Window w;
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    w.window.activateWindow();
    if (!QTest::qWaitFor([&w] { return w.window.isActiveWindow(); }))
        QSKIP("this platform gives the window no keyboard focus; the offscreen run presses F1");
    QTest::keyClick(&w.window, Qt::Key_F1);
    QPointer<QDialog> help = w.find<QDialog>("frmHowToPlay");
    QVERIFY(help && help->isVisible());
    QCOMPARE(help->windowTitle(), QStringLiteral("How to Play"));
    const QString text = help->findChild<QTextBrowser*>()->toPlainText();
    QVERIFY(text.contains(QDir::toNativeSeparators(w.dir.path())));
    QVERIFY(text.contains(QStringLiteral("38 or 42")));
    QVERIFY(!text.contains(u'%'));
    QVERIFY(QTest::qWaitForWindowActive(help));
    QTest::keyClick(help, Qt::Key_Escape);
    QTRY_VERIFY(!help);
}

void MainWindowTest::passTypesShowsTheFileAndCreatesNone() {
    Window w;
    const auto openPassTypes = [&w](const std::function<void(QWidget*)>& look) {
        whenModalOpens([&look](QWidget* modal) {
            QCOMPARE(modal->windowTitle(), QStringLiteral("Pass Types"));
            look(modal);
            modal->close();
        });
        w.find<QAction>("mnuPassTypes")->trigger();
    };
    openPassTypes([](QWidget* modal) {
        QCOMPARE(modal->findChild<QComboBox*>()->count(), 1);
        QCOMPARE(modal->findChild<QTreeWidget*>()->topLevelItemCount(), 0);
        QCOMPARE(modal->findChild<RatingChart*>()->accessibleDescription(),
                 QStringLiteral("No season has been played yet."));
    });
    QVERIFY(!QFile::exists(w.archive.seasonsPath()));

    write(w.archive.seasonsPath(), twoSeasonsOfPassTypes());
    openPassTypes([](QWidget* modal) {
        auto* spans = modal->findChild<QComboBox*>();
        QCOMPARE(spans->itemText(2), QStringLiteral("Season 2"));
        spans->setCurrentIndex(2);
        QTreeWidgetItem* all = modal->findChild<QTreeWidget*>()->topLevelItem(4);
        QCOMPARE(all->text(0) + u' ' + all->text(1) + u' ' + all->text(8),
                 QStringLiteral("All 75 93.18"));
        auto* chart = modal->findChild<RatingChart*>();
        QVERIFY(!chart->accessibleName().isEmpty());
        QVERIFY(!modal->findChild<QTreeWidget*>()->accessibleName().isEmpty());
        const RatingPoint allInSeason2{2, Currency::fromHundredths(9318)};
        QCOMPARE(chart->toolTipAt(chart->pointPosition(allInSeason2).toPoint()),
                 QStringLiteral("All, season 2: 93.18"));
        QCOMPARE(chart->toolTipAt({0, 0}), QString());
    });
    QCOMPARE(contents(w.archive.seasonsPath()), twoSeasonsOfPassTypes());
}

void MainWindowTest::aboutTellsTheVersionLicenceAndHomePage() {
    Window w;
    QString text;
    whenModalOpens([&text](QWidget* modal) {
        QCOMPARE(modal->windowTitle(), QStringLiteral("About Gridlark"));
        text = qobject_cast<QMessageBox*>(modal)->text();
        modal->close();
    });
    w.find<QAction>("mnuAbout")->trigger();
    for (const char* told : {"Gridlark", "Version 1.6", "MIT", "https://gridlark.example.org/"})
        QVERIFY2(text.contains(QString::fromLatin1(told)), told);
}

QTEST_MAIN(MainWindowTest)
#include "mainwindow_test.moc"
