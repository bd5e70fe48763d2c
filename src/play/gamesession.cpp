// SPDX-License-Identifier: MIT
#include "play/gamesession.h"

#include "play/career.h"
#include "play/playcontext.h"
#include "play/playoutcome.h"
#include "play/playtype.h"
#include "play/randomsource.h"
#include "play/throwrules.h"
#include "stats/statslines.h"

#include <utility>

GameSession::GameSession(RandomSource& random, Career& career, QString decimalPoint)
    : m_random(random), m_career(career), m_decimalPoint(std::move(decimalPoint)) {}

void GameSession::newGame() {
    m_state.clearGame();
    m_view.currentThrow.clear();
    if (!m_career.openStats(m_state))
        return;
    refresh();
    determineMaxThrows(m_random, m_state);
    determineSpeeds(m_random, m_state);
    m_view.buttonEnabled = true;
    m_view.clearEnabled = false;
}

void GameSession::press() {
    if (!m_view.buttonEnabled)
        return;
    m_random.reseed();
    m_view.picture = Picture::Receiver;
    if (m_view.buttonCaption == HikeCaption)
        snap();
    else
        throwBall();
}

void GameSession::snap() {
    m_state.ThrowType = makeThrow(m_random);
    if (m_state.ThrowType == m_state.LastThrowType)
        m_state.ThrowType = makeThrow(m_random);
    m_state.LastThrowType = m_state.ThrowType;
    m_view.currentThrow = PlayType::name(m_state.ThrowType);
    m_view.meter = 0;
    m_view.timerStarted = true;
    m_view.buttonCaption = ThrowCaption;
}

void GameSession::throwBall() {
    m_view.timerStarted = false;
    const std::int16_t grade = checkThrow(m_random, m_view.meter, m_state.LongestInRow);
    PlayContext play{m_state, m_view, m_random, m_decimalPoint};
    figureResults(play, grade, m_state.ThrowType);
    if (m_state.GameAttempts == m_state.MaxThrows)
        closeGame();
    m_view.buttonCaption = HikeCaption;
}

void GameSession::closeGame() {
    m_view.buttonEnabled = false;
    m_view.clearEnabled = true;
    if (m_career.saveStats(m_state) && m_career.checkBestGame(m_state)) {
        m_view.picture = Picture::Trophy;
        m_view.currentThrow = QStringLiteral("A Record Has Been Broken!");
    }
    m_career.openStats(m_state);
    refresh();
}

void GameSession::tick() {
    if (!PlayType::isSnap(m_state.ThrowType) || !m_view.timerStarted)
        return;
    // The count runs on for the life of the program; it wraps rather than overflows.
    m_state.TickCount =
        static_cast<std::int32_t>(static_cast<std::uint32_t>(m_state.TickCount) + 1U);
    const int speed = speedOf(m_state, m_state.ThrowType);
    if (speed <= 0 || m_state.TickCount % speed != 0)
        return;
    ++m_view.meter;
    if (m_view.meter >= MeterMaximum)
        m_view.timerStarted = false;
}

void GameSession::clearCareer() {
    if (!m_view.clearEnabled)
        return;
    m_career.clearCareer();
    refresh();
}

void GameSession::refresh() {
    PlayContext play{m_state, m_view, m_random, m_decimalPoint};
    refreshStats(play);
}
