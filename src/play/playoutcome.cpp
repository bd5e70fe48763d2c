// SPDX-License-Identifier: MIT
#include "play/playoutcome.h"

#include "play/draws.h"
#include "play/gamestate.h"
#include "play/mainview.h"
#include "play/playcontext.h"
#include "play/playtype.h"
#include "play/randomsource.h"
#include "play/throwrules.h"
#include "stats/statslines.h"
#include "stats/yardage.h"

namespace {

void countAttempt(GameState& state, const PlayTypeCounters& block) {
    if (block.attempts)
        increment(*block.attempts);
    increment(state.GameAttempts);
}

void complete(PlayContext& play, const PlayTypeCounters& block, std::int16_t playType) {
    if (PlayType::isSnap(playType)) {
        countAttempt(play.state, block);
        increment(play.state.GameCompletions);
        increment(*block.completions);
        figureYards(play, playType);
    }
    increment(play.state.CurrentInRow);
}

void riskInterception(PlayContext& play, const PlayTypeCounters& block, std::int16_t grade,
                      const QString& name) {
    const int r = drawRounded(play.random, InterceptionDrawSpan) + 1;
    const int limit = grade == ThrowGrade::Off ? InterceptionLimitOff : InterceptionLimitFarOff;
    if (r <= limit) {
        increment(play.state.GameINTs);
        if (block.ints)
            increment(*block.ints);
        play.view.picture = Picture::Interception;
        play.view.currentThrow = name + QStringLiteral(" INTERCEPTED!");
    } else {
        play.view.currentThrow = name + QStringLiteral(" Incomplete!");
    }
}

} // namespace

void figureResults(PlayContext& play, std::int16_t grade, std::int16_t playType) {
    play.random.reseed();
    const QString name = PlayType::name(playType);
    const PlayTypeCounters block = play.state.countersOf(playType);
    if (grade == ThrowGrade::OnTarget) {
        complete(play, block, playType);
    } else {
        countAttempt(play.state, block);
        if (grade == ThrowGrade::SlightlyOff)
            play.view.currentThrow = name + QStringLiteral(" Incomplete!");
        else
            riskInterception(play, block, grade, name);
        play.state.CurrentInRow = 0;
    }
    if (play.state.LongestInRow < play.state.CurrentInRow)
        play.state.LongestInRow = play.state.CurrentInRow;
    refreshStats(play);
}
