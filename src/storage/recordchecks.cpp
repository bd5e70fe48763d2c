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
    const Currency percentage = completionPercentage(game.GameCompletions, game.GameAttempts);
    bool broken = raise<std::int32_t>(records.MostGameYds, game.GameYards);
    broken = raise<std::int32_t>(records.MostGameTD, game.GameTDs) || broken;
    raise<std::int32_t>(records.MostGameInt, game.GameINTs);
    broken = raise<std::int32_t>(records.MostInRow, game.LongestInRow) || broken;
    broken = raise(records.BestGameCompPct, percentage) || broken;
    return broken;
}

void checkSeasonRecords(const SeasonStats& season, CareerRecords& records) {
    const Currency rating = getSeasonRating(season);
    const Currency percentage = completionPercentage(season.Comp, season.Att);
    raise(records.MostSeasonTD, season.TD);
    // Until a season with yards is on record, the first completed season sets the fewest
    // interceptions whatever its count.
    if (records.MostSeasonYds <= 0 || records.LeastSeasonInt > season.Int)
        records.LeastSeasonInt = season.Int;
    raise(records.MostSeasonYds, season.Yds);
    raise(records.BestSeasonRating, rating);
    raise(records.BestSeasonCompPct, percentage);
}
