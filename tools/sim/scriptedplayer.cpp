// SPDX-License-Identifier: MIT
#include "scriptedplayer.h"

#include "play/draws.h"
#include "play/gamesession.h"

ScriptedPlayer::ScriptedPlayer(GameSession& session, RandomSource& random, int stopLow,
                               int stopHigh)
    : m_session(session), m_random(random), m_stopLow(stopLow), m_stopHigh(stopHigh) {}

int ScriptedPlayer::drawStop() {
    if (m_stopLow == m_stopHigh)
        return m_stopLow;
    return m_stopLow - 1 + drawFloorPlusOne(m_random, m_stopHigh - m_stopLow + 1);
}

void ScriptedPlayer::playGame() {
    while (m_session.playing()) {
        m_session.press();
        const int stop = drawStop();
        while (m_session.meterRunning() && m_session.state().meter < stop)
            m_session.tick();
        m_session.press();
    }
}
