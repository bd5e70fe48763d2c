// SPDX-License-Identifier: MIT
#include "stats/yardage.h"

#include "play/draws.h"
#include "play/playtype.h"
#include "play/randomsource.h"

#include <algorithm>
#include <array>

namespace {

struct YardageRow {
    int base;
    int span;
    int touchdownThreshold; // 0: this row never scores
};

// Rows by play type 1 to 4, then by distance 0 to 2 from the target.
constexpr std::array<std::array<YardageRow, 3>, 4> yardageTable{{
    {{{6, 6, 1}, {2, 6, 0}, {0, 5, 0}}},
    {{{6, 15, 2}, {6, 11, 1}, {5, 5, 0}}},
    {{{15, 35, 3}, {10, 25, 2}, {5, 15, 1}}},
    {{{10, 50, 4}, {10, 20, 3}, {10, 15, 2}}},
}};

} // namespace

Gain drawGain(RandomSource& random, std::int16_t playType, int distance) {
    random.reseed();
    Gain gain;
    if (PlayType::isSnap(playType) && distance <= 2) {
        const YardageRow& row = yardageTable[playType - 1][distance];
        gain.yards = row.base + drawRounded(random, row.span);
        if (row.touchdownThreshold > 0)
            gain.touchdown = drawRounded(random, 9) + 1 <= row.touchdownThreshold;
    }
    return gain;
}

int longestGain(std::int16_t playType) {
    if (!PlayType::isSnap(playType))
        return 0;
    int longest = 0;
    for (const YardageRow& row : yardageTable[playType - 1])
        longest = std::max(longest, row.base + row.span);
    return longest;
}
