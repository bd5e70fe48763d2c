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

namespace {

const QString hikeCaption = QStringLiteral("Hike");
const QString throwCaption = QStringLiteral("Throw");

// The greyed play button's tooltip between games, and once the career is complete.
QString startGameTip() {
    return QStringLiteral("Choose File, New Game (Ctrl+N) to start a game");
}

QString careerOverTip() {
    return QStringLiteral("This %1-season career is over: export your stats, then clear them to "
                          "play again")
        .arg(SeasonsInCareer);
}

} // namespace

GameSession::GameSession(RandomSource& random, Career& career, QString decimalPoint)
    : m_random(random), m_career(career), m_decimalPoint(std::move(decimalPoint)) {}

bool GameSession::playing() const {
    switch (m_phase) {
    case Phase::ReadyToSnap:
    case Phase::MeterRunning:
    case Phase::MeterFull:
    case Phase::UntypedThrow:
        return true;
    case Phase::NoGame:
    case Phase::GameOver:
    case Phase::CareerOver:
        break;
    }
    return false;
}

bool GameSession::timerRuns() const {
    return m_phase == Phase::MeterRunning || (m_phase == Phase::UntypedThrow && m_untypedTimerRuns);
}

// Why the button is greyed; none while a game is played, so nothing covers the meter.
QString GameSession::buttonToolTip() const {
    if (playing())
        return {};
    return m_phase == Phase::CareerOver ? careerOverTip() : startGameTip();
}

MainView GameSession::view() const {
    const bool throwAwaited = playing() && m_phase != Phase::ReadyToSnap;
    return {.currentThrow = m_currentThrow,
            .gameLine = m_gameLine,
            .seasonLine = m_seasonLine,
            .seasonFrameCaption = m_seasonFrameCaption,
            .picture = m_picture,
            .buttonCaption = throwAwaited ? throwCaption : hikeCaption,
            .buttonEnabled = playing(),
            .buttonToolTip = buttonToolTip(),
            .clearEnabled = !playing(),
            .timerStarted = timerRuns(),
            .meter = m_state.meter};
}

void GameSession::newGame() {
    // A game that could not be kept is never begun, and the one under way goes on.
    if (!m_career.readyForNewGame())
        return;
    // The game is cleared whatever the career says next, and with it a snap's play type.
    m_state.clearGame();
    m_countedTicks = 0;
    m_currentThrow.clear();
    if (m_phase == Phase::MeterRunning || m_phase == Phase::MeterFull) {
        m_untypedTimerRuns = m_phase == Phase::MeterRunning;
        m_phase = Phase::UntypedThrow;
    }
    if (!openCareer())
        return;
    refresh();
    drawMaxThrows(m_random, m_state);
    drawSpeeds(m_random, m_state);
    if (!playing())
        m_phase = Phase::ReadyToSnap;
}

void GameSession::press(int lateTicks) {
    if (!playing())
        return;
    takeBack(lateTicks);
    m_countedTicks = 0;
    m_random.reseed();
    m_picture = Picture::Receiver;
    if (m_phase == Phase::ReadyToSnap)
        snap();
    else
        throwBall();
}

void GameSession::snap() {
    m_state.playType = drawPlayType(m_random);
    if (m_state.playType == m_state.lastPlayType)
        m_state.playType = drawPlayType(m_random);
    m_state.lastPlayType = m_state.playType;
    m_currentThrow = PlayType::caption(m_state.playType);
    m_state.meter = 0;
    m_phase = Phase::MeterRunning;
}

void GameSession::throwBall() {
    const int distance = distanceFromTarget(m_state.meter);
    const std::int16_t grade = gradeThrow(m_random, distance, m_state.longestInRow);
    show(resolveThrow(m_random, m_state, grade, m_state.playType, distance));
    refresh();
    // Before the game closes: a message at its end comes over the button the play left.
    m_phase = Phase::ReadyToSnap;
    if (m_state.game.attempts == m_state.maxThrows)
        closeGame();
}

void GameSession::closeGame() {
    m_phase = Phase::GameOver;
    if (m_career.saveStats(m_state) && m_career.checkBestGame(m_state)) {
        m_picture = Picture::Trophy;
        m_currentThrow = QStringLiteral("A Record Has Been Broken!");
    }
    openCareer();
    refresh();
}

// A complete career refuses to open: between games that ends the career until it is cleared.
// A career that could not be read leaves the phase as it was.
bool GameSession::openCareer() {
    const SeasonOpening opening = m_career.openStats(m_state);
    if (opening == SeasonOpening::CareerOver && !playing())
        m_phase = Phase::CareerOver;
    return opening == SeasonOpening::Open;
}

void GameSession::tick() {
    if (m_phase != Phase::MeterRunning)
        return;
    // The count runs on for the life of the program; it wraps rather than overflows.
    m_state.tickCount =
        static_cast<std::int32_t>(static_cast<std::uint32_t>(m_state.tickCount) + 1U);
    ++m_countedTicks;
    if (!stepsAt(m_state.tickCount))
        return;
    ++m_state.meter;
    if (m_state.meter >= MeterMaximum)
        m_phase = Phase::MeterFull;
}

// Undoes the last `ticks` counted events, newest first, exactly as tick() did them; none from
// before the last press or new game. Events are counted only while the meter runs, and the
// throw that follows sets the phase, so the phase is left alone.
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
    if (playing())
        return;
    m_career.clearCareer();
    m_phase = Phase::NoGame;
    refresh();
}

void GameSession::show(const ThrowOutcome& outcome) {
    if (outcome.text)
        m_currentThrow = *outcome.text;
    if (outcome.touchdown)
        m_picture = Picture::Referee;
    if (outcome.intercepted)
        m_picture = Picture::Interception;
}

void GameSession::refresh() {
    m_gameLine = gameLine(m_state, m_decimalPoint);
    m_seasonLine = seasonLine(m_state, m_decimalPoint);
    m_seasonFrameCaption = seasonFrameCaption(m_state);
}
