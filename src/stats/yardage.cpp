// SPDX-License-Identifier: MIT
#include "stats/yardage.h"

#include "play/draws.h"
#include "play/playtype.h"
#include "play/randomsource.h"

#include <algorithm>

Gain drawGain(RandomSource& random, std::int16_t playType, int distance) {
    random.reseed();
    Gain gain;
    if (PlayType::isSnap(playType) && distance <= 2) {
        const YardageRow& row = PlayType::info(playType).yardage[std::size_t(distance)];
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
    for (const YardageRow& row : PlayType::info(playType).yardage)
        longest = std::max(longest, row.base + row.span);
    return longest;
}
