// SPDX-License-Identifier: MIT
#pragma once

#include "play/playtype.h"
#include "stats/passingline.h"

#include <array>
#include <cstdint>

// One season of the career stats file: the running totals of its games, then the totals of
// each play type. Stored as a 110-byte little-endian record; `reserved` is kept as read.
struct SeasonStats {
    std::int32_t number = 0;
    std::int32_t games = 0;
    SeasonLine total{};
    std::int16_t reserved = 0;
    std::array<SeasonLine, PlayType::Count> byType{}; // at PlayType::index

    bool operator==(const SeasonStats&) const = default;
};
