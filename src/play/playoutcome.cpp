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

void countAttempt(GameState& state, const PlayTypeCounters& block) {
    if (block.attempts)
        increment(*block.attempts);
    increment(state.gameAttempts);
}

ThrowOutcome complete(RandomSource& random, GameState& state, const PlayTypeCounters& block,
                      std::int16_t playType, int distance) {
    increment(state.currentInRow);
    if (!PlayType::isSnap(playType))
        return {};
    countAttempt(state, block);
    increment(state.gameCompletions);
    increment(*block.completions);
    const Gain gain = drawGain(random, playType, distance);
    if (gain.touchdown) {
        increment(state.gameTouchdowns);
        increment(*block.tds);
    }
    add(state.gameYards, gain.yards);
    add(*block.yards, gain.yards);
    return {
        PlayType::name(playType) + u' ' + wholeText(gain.yards) +
            (gain.touchdown ? QStringLiteral(" yards TOUCHDOWN!") : QStringLiteral(" yard gain")),
        gain.touchdown};
}

ThrowOutcome riskInterception(RandomSource& random, GameState& state, const PlayTypeCounters& block,
                              std::int16_t grade, const QString& name) {
    const int r = drawRounded(random, InterceptionDrawSpan) + 1;
    const int limit = grade == ThrowGrade::Off ? InterceptionLimitOff : InterceptionLimitFarOff;
    if (r > limit)
        return {name + QStringLiteral(" Incomplete!")};
    increment(state.gameInterceptions);
    if (block.ints)
        increment(*block.ints);
    return {name + QStringLiteral(" INTERCEPTED!"), false, true};
}

} // namespace

ThrowOutcome resolveThrow(RandomSource& random, GameState& state, std::int16_t grade,
                          std::int16_t playType, int distance) {
    random.reseed();
    const QString name = PlayType::name(playType);
    const PlayTypeCounters block = state.countersOf(playType);
    ThrowOutcome outcome;
    if (grade == ThrowGrade::OnTarget) {
        outcome = complete(random, state, block, playType, distance);
    } else {
        countAttempt(state, block);
        if (grade == ThrowGrade::SlightlyOff)
            outcome.text = name + QStringLiteral(" Incomplete!");
        else
            outcome = riskInterception(random, state, block, grade, name);
        state.currentInRow = 0;
    }
    if (state.longestInRow < state.currentInRow)
        state.longestInRow = state.currentInRow;
    return outcome;
}
