// SPDX-License-Identifier: MIT
#include "storage/seasonaddition.h"

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
    for (std::size_t line = 0; line < SeasonPassingFields.size(); ++line)
        for (std::size_t field = 0; field < SeasonPassingFields[line].size(); ++field)
            add(s.*SeasonPassingFields[line][field], g.*GamePassingFields[line][field]);
    ++s.games;
    return s;
}
