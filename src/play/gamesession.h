// SPDX-License-Identifier: MIT
#pragma once

#include "play/gamestate.h"
#include "play/mainview.h"

#include <QString>

class Career;
class RandomSource;

// The main window's game without the window: new game, the press of the play button, the
// meter's timer events and clearing the career. After every call view() holds what the window
// must show, including whether its timer runs.
class GameSession {
public:
    GameSession(RandomSource& random, Career& career, QString decimalPoint);

    const GameState& state() const { return m_state; }
    const MainView& view() const { return m_view; }

    void newGame();
    void press();
    void tick();
    void clearCareer();

private:
    void snap();
    void throwBall();
    void closeGame();
    void refresh();

    RandomSource& m_random;
    Career& m_career;
    QString m_decimalPoint;
    GameState m_state;
    MainView m_view;
};
