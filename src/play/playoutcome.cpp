// SPDX-License-Identifier: MIT
#include "play/playoutcome.h"

#include "play/draws.h"
#include "play/gamestate.h"
#include "play/playtype.h"
#include "play/randomsource.h"
#include "play/throwrules.h"
#include "stats/numbertext.h"
#include "stats/yardage.h"

namespace {

void add(std::int16_t& counter, int amount) {
    counter = static_cast<std::int16_t>(counter + amount);
}

// Counts on the game's line and, for a snap, on its play type's: a throw with no play type
// (New Game during a snap) counts only in the game.
template <typename Change> void count(GameState& state, std::int16_t playType, Change change) {
    change(state.game);
    if (PlayType::isSnap(playType))
        change(state.gameByType[PlayType::index(playType)]);
}

ThrowOutcome complete(RandomSource& random, GameState& state, std::int16_t playType, int distance) {
    increment(state.currentInRow);
    if (!PlayType::isSnap(playType))
        return {};
    const Gain gain = drawGain(random, playType, distance);
    count(state, playType, [&](GameLine& line) {
        increment(line.attempts);
        increment(line.completions);
        if (gain.touchdown)
            increment(line.touchdowns);
        add(line.yards, gain.yards);
    });
    return {
        PlayType::caption(playType) + u' ' + wholeText(gain.yards) +
            (gain.touchdown ? QStringLiteral(" yards TOUCHDOWN!") : QStringLiteral(" yard gain")),
        gain.touchdown};
}

ThrowOutcome riskInterception(RandomSource& random, GameState& state, std::int16_t grade,
                              std::int16_t playType, const QString& name) {
    const int r = drawRounded(random, InterceptionDrawSpan) + 1;
    const int limit = grade == ThrowGrade::Off ? InterceptionLimitOff : InterceptionLimitFarOff;
    if (r > limit)
        return {name + QStringLiteral(" Incomplete!")};
    count(state, playType, [](GameLine& line) { increment(line.interceptions); });
    return {name + QStringLiteral(" INTERCEPTED!"), false, true};
}

} // namespace

ThrowOutcome resolveThrow(RandomSource& random, GameState& state, std::int16_t grade,
                          std::int16_t playType, int distance) {
    random.reseed();
    const QString name = PlayType::caption(playType);
    ThrowOutcome outcome;
    if (grade == ThrowGrade::OnTarget) {
        outcome = complete(random, state, playType, distance);
    } else {
        count(state, playType, [](GameLine& line) { increment(line.attempts); });
        if (grade == ThrowGrade::SlightlyOff)
            outcome.text = name + QStringLiteral(" Incomplete!");
        else
            outcome = riskInterception(random, state, grade, playType, name);
        state.currentInRow = 0;
    }
    if (state.longestInRow < state.currentInRow)
        state.longestInRow = state.currentInRow;
    return outcome;
}
