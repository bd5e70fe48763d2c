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

bool checkBestGame(const GameState& game, CareerRecords& records) {
    const FixedPoint4 percentage = completionPercentage(game.gameCompletions, game.gameAttempts);
    bool broken = raise<std::int32_t>(records.mostGameYards, game.gameYards);
    broken = raise<std::int32_t>(records.mostGameTouchdowns, game.gameTouchdowns) || broken;
    raise<std::int32_t>(records.mostGameInterceptions, game.gameInterceptions);
    broken = raise<std::int32_t>(records.mostInRow, game.longestInRow) || broken;
    broken = raise(records.bestGameCompletionPercentage, percentage) || broken;
    return broken;
}

void checkSeasonRecords(const SeasonStats& season, CareerRecords& records) {
    const FixedPoint4 rating = seasonRating(season);
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
