// SPDX-License-Identifier: MIT
#pragma once

class GameSession;
class RandomSource;

// A player who snaps, lets the timer run until the meter shows the stop value, and throws;
// the stop value is drawn afresh for every throw from the inclusive range given.
class ScriptedPlayer {
public:
    ScriptedPlayer(GameSession& session, RandomSource& random, int stopLow, int stopHigh);

    // Plays the started game through to its end.
    void playGame();

private:
    int drawStop();

    GameSession& m_session;
    RandomSource& m_random;
    int m_stopLow;
    int m_stopHigh;
};
