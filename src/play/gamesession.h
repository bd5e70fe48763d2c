// SPDX-License-Identifier: MIT
#pragma once

#include "play/gamestate.h"
#include "play/mainview.h"

#include <QString>

class Career;
class RandomSource;
struct ThrowOutcome;

// The main window's game without the window: new game, the press of the play button, the
// meter's timer events and clearing the career. The session keeps the game's phase; view()
// tells from it what the window must show, including whether its timer runs.
class GameSession {
public:
    enum class Phase {
        NoGame,       // none begun since the start or the last clear
        ReadyToSnap,  // the button says "Hike"
        MeterRunning, // a snap's meter fills toward 50
        MeterFull,    // the meter stopped at 50; the throw is still to come
        UntypedThrow, // New Game came during a snap: the throw to come has no play type
        GameOver,     // the last attempt was thrown and the game saved, or not
        CareerOver,   // the career is complete: New Game is refused until it is cleared
    };

    GameSession(RandomSource& random, Career& career, QString decimalPoint);

    const GameState& state() const { return m_state; }
    Phase phase() const { return m_phase; }
    MainView view() const;
    // Whether the play button takes a press: a game is under way.
    bool playing() const;
    // Whether the meter fills: a snap's throw is awaited and the meter is not yet full.
    bool meterRunning() const { return m_phase == Phase::MeterRunning; }

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
    bool timerRuns() const;
    QString buttonToolTip() const;

    RandomSource& m_random;
    Career& m_career;
    QString m_decimalPoint;
    GameState m_state;
    Phase m_phase = Phase::NoGame;
    // A New Game during a snap leaves the window's timer as it was; its events move nothing.
    bool m_untypedTimerRuns = false;
    // Timer events counted since the last press or new game: the only ones a press takes back.
    int m_countedTicks = 0;
    // What the play has written on the window, and the picture it shows.
    QString m_currentThrow;
    QString m_gameLine;
    QString m_seasonLine;
    QString m_seasonFrameCaption = QStringLiteral("Season Stats");
    Picture m_picture = Picture::Receiver;
};
