// SPDX-License-Identifier: MIT
#pragma once

#include "play/gamestate.h"
#include "play/mainview.h"

#include <QString>

class Career;
class RandomSource;
struct ThrowOutcome;

// The main window's game without the window: new game, the press of the play button, the
// meter's timer events and clearing the career. After every call view() holds what the window
// must show, including whether its timer runs.
class GameSession {
public:
    GameSession(RandomSource& random, Career& career, QString decimalPoint);

    const GameState& state() const { return m_state; }
    const MainView& view() const { return m_view; }
    // Whether the play button takes a press: a game is under way.
    bool playing() const { return m_view.buttonEnabled; }
    // Whether the meter's timer runs: a throw is awaited and the meter is not yet full.
    bool meterRunning() const { return m_view.timerStarted; }

    void newGame();
    // A press of the play button. `lateTicks` timer events were counted after the moment the
    // player pressed (the window was held up before it could handle the press); they are taken
    // back first, so that a throw is graded on the meter as it stood at that moment.
    void press(int lateTicks = 0);
    void tick();
    void clearCareer();

private:
    bool openCareer();
    void snap();
    void throwBall();
    void closeGame();
    void show(const ThrowOutcome& outcome);
    void refresh();
    void takeBack(int ticks);
    bool stepsAt(std::int32_t tickCount) const;

    RandomSource& m_random;
    Career& m_career;
    QString m_decimalPoint;
    GameState m_state;
    MainView m_view;
    // Timer events counted since the last press or new game: the only ones a press takes back.
    int m_countedTicks = 0;
};
