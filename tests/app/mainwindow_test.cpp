// SPDX-License-Identifier: MIT
// The main window played through its real widgets over career files in a temporary directory.
// Most cases are scenarios in tests/data/app/window: one action or expectation a line, read by
// Window::run below.
#include "support/datatable.h"
#include "support/filebytes.h"
#include "support/playtypedraw.h"
#include "support/playtypeseasons.h"
#include "support/scriptedrandom.h"

#include "app/accessibilitymirror.h"
#include "app/hirestimer.h"
#include "app/mainwindow.h"
#include "app/pressinstant.h"
#include "app/showfirstmessenger.h"
#include "storage/filecareer.h"

#include <QSignalSpy>
#include <QTest>
#include <QtWidgets>

using std::chrono::milliseconds;

namespace {

const QStringList careerFileNames{"gdk.dat", "gdk.rec", "gdk.html"};

// Named fields as an expectation compares them: those it does not name are empty.
QString fieldsText(const QMap<QString, QString>& fields) {
    QStringList text;
    for (const auto& [name, value] : fields.asKeyValueRange())
        if (!value.isEmpty())
            text << name + u'=' + value;
    return text.join(u' ');
}

// What keeps `window` from fitting its screen: any part of it off the available area, or its
// Close (or OK, or a question's Yes) button outside it. Empty when it fits, and on Wayland, whose
// compositor places the windows unknown to them.
QString fitProblem(const QWidget* window) {
    const QRect frame = window->frameGeometry();
    const QString name = window->objectName() + u' ' + window->windowTitle();
    if (QGuiApplication::platformName() == u"wayland")
        return {};
    if (!window->screen()->availableGeometry().contains(frame))
        return name + QString::asprintf(" at %d,%d %dx%d is off the screen", frame.x(), frame.y(),
                                        frame.width(), frame.height());
    if (qobject_cast<const QMainWindow*>(window))
        return {};
    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>())
        if (QStringList{"&Close", "OK", "&Yes"}.contains(button->text()))
            return button->isVisible() && window->rect().contains(QRect(
                                              button->mapTo(window, QPoint(0, 0)), button->size()))
                       ? QString()
                       : name + QStringLiteral(": its button is outside it");
    return name + QStringLiteral(": no Close button");
}

// What a modal dialog shows: its description, its title, its label and text, and the second and
// third column of each row of its table.
QString describe(const QWidget* modal) {
    QStringList rows;
    if (const auto* tree = modal->findChild<QTreeWidget*>())
        for (int row = 0; row < tree->topLevelItemCount(); ++row)
            rows << tree->topLevelItem(row)->text(1) + u' ' + tree->topLevelItem(row)->text(2);
    const auto* input = qobject_cast<const QInputDialog*>(modal);
    return fieldsText({{"description", modal->accessibleDescription()},
                       {"title", modal->windowTitle()},
                       {"label", input ? input->labelText() : QString()},
                       {"text", modal->property("text").toString()},
                       {"rows", rows.join(u',')}});
}

// The window and its career; it is the messenger too, keeping every message with what the
// window showed behind it (the throw and the game line, the button and the pictures) and the
// size of gdk.rec then. Its clock moves only when a scenario moves it, and starts decades after
// boot, so that the timer's wake thread, sleeping on the real clock, never wakes.
struct Window : Messenger {
    ScriptedRandomSource random;
    QTemporaryDir dir;
    ShowFirstMessenger shown{*this};
    FileCareer career{dir.path(), shown};
    std::chrono::steady_clock::time_point now{milliseconds((1LL << 40) + (1LL << 31))};
    MainWindow window{{random, career, career, shown, QStringLiteral("."), [this] { return now; }}};
    HiResTimer* timer = window.findChild<HiResTimer*>();
    QPushButton* button = found<QPushButton>(QStringLiteral("cmdThrow"));
    QStringList messages;
    QString modal;
    QMap<QString, QByteArray> snapshot; // the career files as a `snapshot` line found them

    Window() { window.show(); }

    bool show(const Message& message) override {
        messages << fieldsText({{"title", message.title},
                                {"text", message.text},
                                {"throw", observe("lblCurrentThrow")},
                                {"game", observe("lblCurrentStats").section(' ', 0, 1)},
                                {"button", observe("cmdThrow")},
                                {"pictures", observe("pictures")},
                                {"records", observe("file:gdk.rec")}});
        return false;
    }

    // A control by its name, which must exist.
    template <typename T> T* found(const QString& name) const {
        T* control = window.findChild<T*>(name);
        if (!control)
            unknownWord(QStringLiteral("control"), name);
        return control;
    }

    // One line of a scenario: an action, or an expectation after `?`.
    void run(const QString& text) {
        const TableStep line(text);
        const QString verb = line.words.value(0);
        const QString arg = line.words.value(1);
        if (verb == u'?')
            return expect(line);
        line.allow({"attempts", "answer", "text", "times", "late"});
        if (verb == "new") { // the speeds 11, 9, 7 and 6 events a step, 26 to 32 attempts
            const int extra = tableInt(line.named.value("attempts", "26")) - 26;
            for (double u : {4.0 / 9, extra / 6.0, 4.0 / 9})
                random.push(u);
            found<QAction>(QStringLiteral("mnuNewGame"))->trigger();
        } else if (verb == "menu") {
            if (line.named.contains("answer"))
                answer(line.named["answer"], line.named.value("text"));
            found<QAction>(arg)->trigger();
        } else if (verb == "snap") { // the game draws again when the last snap had the same type
            const std::int16_t type = playTypeNamed(arg);
            random.push(playTypeDraw(type));
            if (window.session().state().lastPlayType == type)
                random.push(playTypeDraw(type));
            press(QStringLiteral("left"), 0);
        } else if (verb == "repeat") // the quoted lines, that many times
            for (int i = tableInt(line.named.value("times")); i > 0; --i)
                for (const QString& step : line.words.mid(1))
                    run(step);
        else if (verb == "ticks") // one timer event a millisecond
            for (int i = tableInt(arg); i > 0; --i)
                holdUp(1);
        else if (verb == "push")
            for (const QString& u : line.words.mid(1))
                random.push(tableDouble(u));
        else if (verb == "press") // stamped that many ms before it is handled, or with no stamp
            press(arg, line.named.contains("late")
                           ? pressStamp(now - milliseconds(tableInt(line.named["late"])))
                           : 0);
        else if (verb == "hold") // the window held up while the clock runs on, then catching up
            holdUp(tableInt(arg));
        else if (verb == "key") { // one key, by its name
            if (QKeySequence(arg).count() != 1 || QKeySequence(arg).toString() != arg)
                unknownWord(QStringLiteral("key"), arg);
            QTest::keyClick(button, QKeySequence(arg)[0].key());
        } else if (verb == "snapshot")
            for (const QString& name : careerFileNames)
                snapshot[name] = careerFile(name);
        else if (verb == "seasons") // gdk.dat with seasons of these numbers of games
            write(career.seasonsPath(), seasonsOfGames(line.words.mid(1)));
        else
            unknownWord(QStringLiteral("action"), verb);
    }

    void press(const QString& buttonName, quint64 stamp) {
        static const QStringList buttons{"", "left", "right", "", "middle"}; // by their flags
        const auto pressed =
            Qt::MouseButton(tableChoice(buttons, QStringLiteral("mouse button"), buttonName));
        const QPointF centre = QRectF(button->rect()).center();
        for (auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent event(type, centre, button->mapToGlobal(centre), pressed,
                              type == QEvent::MouseButtonPress ? pressed : Qt::NoButton, {});
            event.setTimestamp(stamp);
            QCoreApplication::sendEvent(button, &event);
        }
    }
    void holdUp(qint64 ms) {
        now += milliseconds(ms);
        QEvent wake(WakeThread::eventType());
        QCoreApplication::sendEvent(timer, &wake);
    }
    // Accepted or rejected; a question's Yes or No clicked; or Esc or Enter pressed on it. Every
    // dialog answered must fit its screen.
    void answer(const QString& how, const QString& text) {
        const qsizetype way = tableChoice({"accept", "reject", "esc", "enter", "yes", "no"},
                                          QStringLiteral("answer"), how);
        QTimer::singleShot(0, qApp, [this, way, text] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            const QString unfit = fitProblem(dialog);
            modal = describe(dialog);
            if (auto* input = qobject_cast<QInputDialog*>(dialog))
                input->setTextValue(text);
            if (way < 2)
                way == 0 ? dialog->accept() : dialog->reject();
            else if (way < 4)
                QTest::keyClick(dialog, way == 2 ? Qt::Key_Escape : Qt::Key_Return);
            else
                qobject_cast<QMessageBox*>(dialog)
                    ->button(way == 4 ? QMessageBox::Yes : QMessageBox::No)
                    ->click();
            QCOMPARE(unfit, QString());
        });
    }
    // A career file's bytes, "absent" when it does not exist.
    QByteArray careerFile(const QString& name) const {
        return QFileInfo::exists(dir.filePath(name)) ? contents(dir.filePath(name)) : "absent";
    }

    // `? WHAT = VALUE`, `? WHAT ^ VALUE` (starts with) or `? WHAT NAME=VALUE...`.
    void expect(const TableStep& line) {
        const bool named = !line.named.isEmpty();
        const QString how = named ? QStringLiteral("=") : line.words.value(2);
        const QString wanted = named ? fieldsText(line.named) : line.words.value(3);
        tableChoice({"=", "^"}, QStringLiteral("comparison"), how);
        const QString seen =
            observe(line.words.value(1)).replace(dir.path(), "$DIR").replace("\r\n", "/");
        QVERIFY2(how == u'^' ? seen.startsWith(wanted) : seen == wanted,
                 qPrintable("it is: " + seen));
    }

    QString observe(const QString& key) {
        QStringList seen;
        if (key == "pictures") {
            for (const char* name : {"imgRec", "imgRef", "imgCup", "imgINT"})
                if (found<QWidget>(name)->isVisible())
                    seen << name;
        } else if (key == "unfit") { // what keeps the open windows from fitting their screen
            for (const QWidget* open : QApplication::topLevelWidgets())
                if (open->isVisible() && !fitProblem(open).isEmpty())
                    seen << fitProblem(open);
        } else if (key == "changed") { // the files whose bytes differ from the snapshot's
            for (const QString& name : careerFileNames)
                if (careerFile(name) != snapshot.value(name))
                    seen << name;
            return seen.isEmpty() ? QStringLiteral("none") : seen.join(u',');
        } else if (key == "timer")
            return timer->isStarted() ? "on" : "off";
        else if (key == "ticks")
            return QString::number(window.session().state().tickCount);
        else if (key == "modal")
            return modal;
        else if (key == "message")
            return messages.isEmpty() ? QStringLiteral("none") : messages.takeFirst();
        else if (key == "page") // the export's first line
            return QString::fromUtf8(contents(dir.filePath("gdk.html")).split('\r').front());
        else if (key.startsWith("file:")) {
            const QFileInfo file(dir.filePath(key.mid(5)));
            return file.exists() ? QString::number(file.size()) : QStringLiteral("absent");
        } else if (key.startsWith("tip:"))
            return found<QWidget>(key.mid(4))->toolTip();
        else if (key.startsWith("a11y:")) {
            const auto* widget = found<QWidget>(key.mid(5));
            return fieldsText({{"description", widget->accessibleDescription()},
                               {"name", widget->accessibleName()}});
        } else
            return observeControl(key == window.objectName() ? &window : found<QObject>(key));
        return seen.join(u',');
    }

    // A control as the player reads it: its value or its texts and shortcut, whether it is
    // enabled, and a menu's items in order.
    static QString observeControl(const QObject* control) {
        if (const QVariant value = control->property("value"); value.isValid())
            return value.toString();
        QStringList shown;
        for (const char* property : {"windowTitle", "text", "title", "shortcut"})
            shown << control->property(property).toString();
        shown.removeAll(QString());
        if (!control->property("enabled").toBool())
            shown << QStringLiteral("disabled");
        if (const auto* menu = qobject_cast<const QMenu*>(control))
            for (const QAction* item : menu->actions())
                shown << item->objectName();
        return shown.join(u' ');
    }

    // How wide the meter's fill is where the window has drawn it, not as a fresh painting.
    int meterFillShown() const {
        auto* meter = found<QProgressBar>(QStringLiteral("pbThrow"));
        const QPoint at = meter->mapTo(&window, QPoint(0, 0));
        const QImage drawn =
            window.screen()
                ->grabWindow(window.winId(), at.x(), at.y(), meter->width(), meter->height())
                .toImage();
        int width = 0;
        for (int x = 0; x < drawn.width(); ++x)
            width += drawn.pixel(x, drawn.height() / 2) ==
                     meter->palette().color(QPalette::Highlight).rgb();
        return width;
    }
};

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
    AccessibilityMirror m_mirror;

private slots:
    void initTestCase();
    void playsItsScenario_data() { addFileRows(QStringLiteral("app/window")); }
    void playsItsScenario();
    void everyMeterStepIsDrawnAsItComes();
    void f1OpensHowToPlayAndEscClosesIt();
    void theTimerWakesOnTheRealClock();
};

// CTest plays the scenario fit.txt again on screens of the sizes the game must fit, at each
// scale, as GRIDLARK_SCREEN names them: the screen in device pixels, to the pixel its logical
// size was rounded to.
void MainWindowTest::initTestCase() {
    qApp->installEventFilter(&m_mirror);
    if (const QString screen = qEnvironmentVariable("GRIDLARK_SCREEN"); !screen.isEmpty()) {
        const QSizeF size = QSizeF(qApp->primaryScreen()->size()) * qApp->devicePixelRatio();
        const QString seen = QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
        const QSizeF off = size - QSizeF(screen.section(u'x', 0, 0).toDouble(),
                                         screen.section(u'x', 1).toDouble());
        QVERIFY2(qAbs(off.width()) < 2 && qAbs(off.height()) < 2, qPrintable("it is " + seen));
    }
}

void MainWindowTest::playsItsScenario() {
    QFETCH(QString, file);
    Window w;
    for (const QString& line : tableLines(file)) {
        w.run(line);
        if (QTest::currentTestFailed())
            QFAIL(qPrintable("at: " + line));
    }
    QCOMPARE(w.messages, QStringList()); // every message is expected
    QVERIFY(w.random.empty());           // and every draw taken
}

void MainWindowTest::everyMeterStepIsDrawnAsItComes() {
    Window w;
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    if (w.window.screen()->grabWindow(w.window.winId()).isNull())
        QSKIP("this platform cannot read back what a window shows; the offscreen run does");
    w.run("new");
    w.run("snap Blitz"); // six events a step
    QCOMPARE(w.meterFillShown(), 0);
    for (int value = 1, drawn = 0; value <= 50; ++value, drawn = w.meterFillShown()) {
        w.run("ticks 6");
        QVERIFY2(w.meterFillShown() > drawn, qPrintable(QString::number(value)));
    }
    QCOMPARE(w.meterFillShown(), w.found<QProgressBar>(QStringLiteral("pbThrow"))->width() - 2);
}

void MainWindowTest::f1OpensHowToPlayAndEscClosesIt() {
    Window w;
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    w.window.activateWindow();
    if (!QTest::qWaitFor([&w] { return w.window.isActiveWindow(); }))
        QSKIP("this platform gives the window no keyboard focus; the offscreen run presses F1");
    QTest::keyClick(&w.window, Qt::Key_F1);
    QPointer<QDialog> help = w.window.findChild<QDialog*>(QStringLiteral("frmHowToPlay"));
    QVERIFY(help && help->isVisible());
    QCOMPARE(help->windowTitle(), QStringLiteral("How to Play"));
    QVERIFY(help->findChild<QTextBrowser*>()->toPlainText().contains(w.dir.path()));
    QVERIFY(QTest::qWaitForWindowActive(help));
    QTest::keyClick(help, Qt::Key_Escape);
    QTRY_VERIFY(!help);
}

// The scenarios move the clock themselves; here the timer's own thread wakes it, and after each
// catching up wakes it again.
void MainWindowTest::theTimerWakesOnTheRealClock() {
    HiResTimer timer(&std::chrono::steady_clock::now, 1);
    QSignalSpy spy(&timer, &HiResTimer::timeout);
    timer.setStarted(true);
    QTRY_VERIFY(!spy.isEmpty());
    const qsizetype caughtUp = spy.count();
    QTRY_VERIFY(spy.count() > caughtUp);
}

QTEST_MAIN(MainWindowTest)
#include "mainwindow_test.moc"
