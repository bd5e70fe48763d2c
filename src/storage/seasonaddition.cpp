// SPDX-License-Identifier: MIT
#include "storage/seasonaddition.h"

#include "play/gamestate.h"
#include "storage/seasonstats.h"

#include <algorithm>
#include <limits>

namespace {

// A total stops at the largest a season record can hold: wrapping past it would turn the total
// negative, and the next read would throw the season away as damaged.
void add(std::int32_t& total, std::int16_t count) {
    constexpr std::int64_t most = std::numeric_limits<std::int32_t>::max();
    total = static_cast<std::int32_t>(std::min(std::int64_t{total} + count, most));
}

} // namespace

SeasonStats addGameToSeason(SeasonStats s, const GameState& g) {
    add(s.Att, g.GameAttempts);
    add(s.Comp, g.GameCompletions);
    add(s.Yds, g.GameYards);
    add(s.TD, g.GameTDs);
    add(s.Int, g.GameINTs);
    add(s.ShortAtt, g.GameShortAttempts);
    add(s.ShortComp, g.GameShortCompletions);
    add(s.ShortYds, g.GameShortYards);
    add(s.ShortTD, g.GameShortTDs);
    add(s.ShortInt, g.GameShortINTs);
    add(s.MediumAtt, g.GameMediumAttempts);
    add(s.MediumComp, g.GameMediumCompletions);
    add(s.MediumYds, g.GameMediumYards);
    add(s.MediumTD, g.GameMediumTDs);
    add(s.MediumInt, g.GameMediumINTs);
    add(s.LongAtt, g.GameLongAttempts);
    add(s.LongComp, g.GameLongCompletions);
    add(s.LongYds, g.GameLongYards);
    add(s.LongTD, g.GameLongTDs);
    add(s.LongInt, g.GameLongINTs);
    add(s.BlitzAtt, g.GameBlitzAttempts);
    add(s.BlitzComp, g.GameBlitzCompletions);
    add(s.BlitzYds, g.GameBlitzYards);
    add(s.BlitzTD, g.GameBlitzTDs);
    add(s.BlitzInt, g.GameBlitzINTs);
    ++s.Games;
    return s;
}
