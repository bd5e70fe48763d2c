// SPDX-License-Identifier: MIT
#pragma once

#include "app/mainwindow.h"
#include "app/showfirstmessenger.h"
#include "play/randomsource.h"
#include "play/unsavedcareer.h"
#include "storage/filecareer.h"
#include "storage/stderrmessenger.h"

#include <QTemporaryDir>
#include <cstdint>

class HiResTimer;
class QProgressBar;
class QPushButton;

// Between a throw and the next snap the timer stops, as it does while the player looks at the
// result; the next snap then starts it from rest.
inline constexpr int PauseBetweenSnapsMs = 20;

// The game's real main window, played the way the player plays it: through the File menu and
// mouse presses on the play button. It plays over the career files in `careerDir`, saving
// finished games as the game does, or, without one, over a career that saves nothing.
class BenchWindow {
public:
    explicit BenchWindow(std::uint64_t seed, const QString& careerDir = {});

    MainWindow& window() { return m_window; }
    const GameSession& session() const { return m_window.session(); }
    QProgressBar* meter() const;
    HiResTimer* timer() const;

    void newGame();
    // A left press and release on the play button: a snap or a throw. `stampMs` is the window
    // system's stamp of the press, 0 for none.
    void press(quint64 stampMs = 0);
    // True when the game is over and the button waits for a new game.
    bool gameOver() const;
    // The timer events the game has counted, running on across snaps.
    std::uint32_t tickCount() const;

private:
    QPushButton* button() const;

    MixingRandomSource m_random;
    UnsavedCareer m_career;
    StderrMessenger m_messenger;
    ShowFirstMessenger m_shown{m_messenger};
    // Without a career directory the views read this one; it stays empty and goes with the
    // program.
    QTemporaryDir m_archiveDir;
    FileCareer m_archive;
    MainWindow m_window;
};
