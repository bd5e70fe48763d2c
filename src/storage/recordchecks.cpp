// SPDX-License-Identifier: MIT
#include "storage/recordchecks.h"

#include "play/gamestate.h"
#include "stats/passerrating.h"
#include "stats/percentage.h"
#include "storage/careerrecords.h"
#include "storage/seasonstats.h"

namespace {

template <typename T> bool raise(T& record, const T& value) {
    if (!(record < value))
        return false;
    record = value;
    return true;
}

} // namespace

bool checkBestGame(const GameState& state, CareerRecords& records) {
    const GameLine& game = state.game;
    const FixedPoint4 percentage = completionPercentage(game.completions, game.attempts);
    bool broken = raise<std::int32_t>(records.mostGameYards, game.yards);
    broken = raise<std::int32_t>(records.mostGameTouchdowns, game.touchdowns) || broken;
    raise<std::int32_t>(records.mostGameInterceptions, game.interceptions);
    broken = raise<std::int32_t>(records.mostInRow, state.longestInRow) || broken;
    broken = raise(records.bestGameCompletionPercentage, percentage) || broken;
    return broken;
}

void checkSeasonRecords(const SeasonStats& stats, CareerRecords& records) {
    const SeasonLine& season = stats.total;
    const FixedPoint4 rating = passerRating(season);
    const FixedPoint4 percentage = completionPercentage(season.completions, season.attempts);
    raise(records.mostSeasonTouchdowns, season.touchdowns);
    // Until a season with yards is on record, the first completed season sets the fewest
    // interceptions whatever its count.
    if (records.mostSeasonYards <= 0 || records.leastSeasonInterceptions > season.interceptions)
        records.leastSeasonInterceptions = season.interceptions;
    raise(records.mostSeasonYards, season.yards);
    raise(records.bestSeasonRating, rating);
    raise(records.bestSeasonCompletionPercentage, percentage);
}
