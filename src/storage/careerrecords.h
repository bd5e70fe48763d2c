// SPDX-License-Identifier: MIT
#pragma once

#include "stats/currency.h"

#include <cstdint>

// The player's best marks, five for one game and five for one season. Stored as the one
// 52-byte little-endian record of the records file; currency fields as 64-bit ten-thousandths.
struct CareerRecords {
    std::int32_t MostGameYds = 0;
    std::int32_t MostGameTD = 0;
    std::int32_t MostGameInt = 0;
    std::int32_t MostInRow = 0;
    Currency BestGameCompPct;
    std::int32_t MostSeasonYds = 0;
    std::int32_t MostSeasonTD = 0;
    std::int32_t LeastSeasonInt = 0;
    Currency BestSeasonCompPct;
    Currency BestSeasonRating;

    bool operator==(const CareerRecords&) const = default;
};
