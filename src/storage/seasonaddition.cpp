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

void add(SeasonLine& total, const GameLine& game) {
    add(total.attempts, game.attempts);
    add(total.completions, game.completions);
    add(total.yards, game.yards);
    add(total.touchdowns, game.touchdowns);
    add(total.interceptions, game.interceptions);
}

} // namespace

SeasonStats addGameToSeason(SeasonStats s, const GameState& g) {
    add(s.total, g.game);
    for (std::size_t type = 0; type < PlayType::Count; ++type)
        add(s.byType[type], g.gameByType[type]);
    ++s.games;
    return s;
}
