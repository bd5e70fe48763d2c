// SPDX-License-Identifier: MIT
#pragma once

#include "stats/fixedpoint4.h"

#include <cstdint>

// The player's best marks, five for one game and five for one season. Stored as the one
// 52-byte little-endian record of the records file; percentages and ratings as 64-bit
// ten-thousandths.
struct CareerRecords {
    std::int32_t mostGameYards = 0;
    std::int32_t mostGameTouchdowns = 0;
    std::int32_t mostGameInterceptions = 0;
    std::int32_t mostInRow = 0;
    FixedPoint4 bestGameCompletionPercentage;
    std::int32_t mostSeasonYards = 0;
    std::int32_t mostSeasonTouchdowns = 0;
    std::int32_t leastSeasonInterceptions = 0;
    FixedPoint4 bestSeasonCompletionPercentage;
    FixedPoint4 bestSeasonRating;

    bool operator==(const CareerRecords&) const = default;
};
