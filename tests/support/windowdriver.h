// SPDX-License-Identifier: MIT
#pragma once

#include "support/playtypedraw.h"
#include "support/scriptedrandom.h"

#include "app/hirestimer.h"
#include "app/mainwindow.h"
#include "play/playtype.h"

#include <QAction>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

// Plays the main window as the player does, through its menu and its button, with a scripted
// random source. The test feeds the timer's events itself: the real timer's signals are held
// back so that nothing runs on wall-clock time.
class WindowDriver {
public:
    WindowDriver(MainWindow& window, ScriptedRandomSource& random)
        : m_window(window), m_random(random) {
        find<HiResTimer>("cTmr")->blockSignals(true);
        m_window.show();
    }

    template <typename T> T* find(const char* name) const {
        return m_window.findChild<T*>(QString::fromLatin1(name));
    }
    QPushButton* button() const { return find<QPushButton>("cmdThrow"); }
    QString text(const char* label) const { return find<QLabel>(label)->text(); }
    int meter() const { return find<QProgressBar>("pbThrow")->value(); }
    bool timerStarted() const {
        return find<HiResTimer>("cTmr")->isStarted(QStringLiteral("Timer"));
    }
    // New Game with 26 + `maxThrowsOffset` attempts and the speeds 11, 9, 7 and 6.
    void newGame(int maxThrowsOffset = 0) {
        m_random.push(4.0 / 9);
        m_random.push(maxThrowsOffset / 6.0);
        m_random.push(4.0 / 9);
        find<QAction>("mnuNewGame")->trigger();
    }
    void press(Qt::MouseButton mouseButton = Qt::LeftButton) {
        QTest::mousePress(button(), mouseButton);
        QTest::mouseRelease(button(), mouseButton);
    }
    // A snap of `playType`; the game draws again when the last snap had the same type.
    void snap(std::int16_t playType) {
        m_random.push(playTypeDraw(playType));
        if (m_window.session().state().LastThrowType == playType)
            m_random.push(playTypeDraw(playType));
        press();
    }
    void ticks(int count) {
        for (int i = 0; i < count; ++i)
            QMetaObject::invokeMethod(&m_window, "cTmr_Timer", Q_ARG(QString, "Timer"));
    }
    // A throw at `stop` of a play at `speed`, completed for the row's shortest gain.
    void completeAt(int speed, int stop) {
        ticks(speed * stop);
        m_random.push(0.0);
        m_random.push(0.9999);
        press();
    }
    QStringList visiblePictures() const {
        QStringList shown;
        for (const char* name : {"imgRec", "imgRef", "imgCup", "imgINT"})
            if (find<QWidget>(name)->isVisible())
                shown << QString::fromLatin1(name);
        return shown;
    }

private:
    MainWindow& m_window;
    ScriptedRandomSource& m_random;
};
