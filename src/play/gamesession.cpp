// SPDX-License-Identifier: MIT
#include "play/gamesession.h"

#include "play/career.h"
#include "play/playoutcome.h"
#include "play/playtype.h"
#include "play/randomsource.h"
#include "play/throwrules.h"
#include "stats/statslines.h"

#include <algorithm>
#include <utility>

QString startGameTip() {
    return QStringLiteral("Choose File, New Game (Ctrl+N) to start a game");
}

QString careerOverTip() {
    return QStringLiteral("This %1-season career is over: export your stats, then clear them to "
                          "play again")
        .arg(SeasonsInCareer);
}

GameSession::GameSession(RandomSource& random, Career& career, QString decimalPoint)
    : m_random(random), m_career(career), m_decimalPoint(std::move(decimalPoint)) {}

void GameSession::newGame() {
    // A game that could not be kept is never begun, and the one under way goes on.
    if (!m_career.readyForNewGame())
        return;
    m_state.clearGame();
    m_countedTicks = 0;
    m_view.currentThrow.clear();
    if (!openCareer())
        return;
    refresh();
    drawMaxThrows(m_random, m_state);
    drawSpeeds(m_random, m_state);
    m_view.buttonEnabled = true;
    m_view.clearEnabled = false;
    m_view.buttonToolTip.clear();
}

void GameSession::press(int lateTicks) {
    if (!m_view.buttonEnabled)
        return;
    takeBack(lateTicks);
    m_countedTicks = 0;
    m_random.reseed();
    m_view.picture = Picture::Receiver;
    if (m_view.buttonCaption == HikeCaption)
        snap();
    else
        throwBall();
}

void GameSession::snap() {
    m_state.playType = drawPlayType(m_random);
    if (m_state.playType == m_state.lastPlayType)
        m_state.playType = drawPlayType(m_random);
    m_state.lastPlayType = m_state.playType;
    m_view.currentThrow = PlayType::caption(m_state.playType);
    m_state.meter = 0;
    m_view.timerStarted = true;
    m_view.buttonCaption = ThrowCaption;
}

void GameSession::throwBall() {
    m_view.timerStarted = false;
    const int distance = distanceFromTarget(m_state.meter);
    const std::int16_t grade = gradeThrow(m_random, distance, m_state.longestInRow);
    show(resolveThrow(m_random, m_state, grade, m_state.playType, distance));
    refresh();
    // Before the game closes: a message at its end comes over the button the play left.
    m_view.buttonCaption = HikeCaption;
    if (m_state.game.attempts == m_state.maxThrows)
        closeGame();
}

void GameSession::closeGame() {
    m_view.buttonEnabled = false;
    m_view.clearEnabled = true;
    if (m_career.saveStats(m_state) && m_career.checkBestGame(m_state)) {
        m_view.picture = Picture::Trophy;
        m_view.currentThrow = QStringLiteral("A Record Has Been Broken!");
    }
    openCareer();
    refresh();
}

// The career refuses to open once it is complete: the greyed button says so until it is cleared.
bool GameSession::openCareer() {
    const bool open = m_career.openStats(m_state);
    if (!m_view.buttonEnabled)
        m_view.buttonToolTip = open ? startGameTip() : careerOverTip();
    return open;
}

void GameSession::tick() {
    if (!PlayType::isSnap(m_state.playType) || !m_view.timerStarted)
        return;
    // The count runs on for the life of the program; it wraps rather than overflows.
    m_state.tickCount =
        static_cast<std::int32_t>(static_cast<std::uint32_t>(m_state.tickCount) + 1U);
    ++m_countedTicks;
    if (!stepsAt(m_state.tickCount))
        return;
    ++m_state.meter;
    if (m_state.meter >= MeterMaximum)
        m_view.timerStarted = false;
}

// Undoes the last `ticks` counted events, newest first, exactly as tick() did them; none from
// before the last press or new game. Events are counted only while a throw is awaited, and the
// throw stops the timer, so whether it runs is left alone.
void GameSession::takeBack(int ticks) {
    for (int undone = std::clamp(ticks, 0, m_countedTicks); undone > 0; --undone) {
        if (stepsAt(m_state.tickCount))
            --m_state.meter;
        m_state.tickCount =
            static_cast<std::int32_t>(static_cast<std::uint32_t>(m_state.tickCount) - 1U);
    }
}

// Whether the timer event that brought the count to `tickCount` raised the meter.
bool GameSession::stepsAt(std::int32_t tickCount) const {
    const int speed = speedOf(m_state, m_state.playType);
    return speed > 0 && tickCount % speed == 0;
}

void GameSession::clearCareer() {
    if (!m_view.clearEnabled)
        return;
    m_career.clearCareer();
    m_view.buttonToolTip = startGameTip();
    refresh();
}

void GameSession::show(const ThrowOutcome& outcome) {
    if (outcome.text)
        m_view.currentThrow = *outcome.text;
    if (outcome.touchdown)
        m_view.picture = Picture::Referee;
    if (outcome.intercepted)
        m_view.picture = Picture::Interception;
}

void GameSession::refresh() {
    m_view.gameLine = gameLine(m_state, m_decimalPoint);
    m_view.seasonLine = seasonLine(m_state, m_decimalPoint);
    m_view.seasonFrameCaption = seasonFrameCaption(m_state);
}
