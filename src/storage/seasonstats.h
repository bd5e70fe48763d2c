// SPDX-License-Identifier: MIT
#pragma once

#include "play/gamestate.h"

#include <cstdint>

// One season of the career stats file: the running totals of its games, then the totals of
// each play type. Stored as a 110-byte little-endian record; `reserved` is kept as read.
struct SeasonStats {
    std::int32_t number = 0;
    std::int32_t games = 0;
    std::int32_t attempts = 0;
    std::int32_t completions = 0;
    std::int32_t yards = 0;
    std::int32_t touchdowns = 0;
    std::int32_t interceptions = 0;
    std::int16_t reserved = 0;
    std::int32_t shortAttempts = 0;
    std::int32_t shortCompletions = 0;
    std::int32_t shortYards = 0;
    std::int32_t shortTouchdowns = 0;
    std::int32_t shortInterceptions = 0;
    std::int32_t mediumAttempts = 0;
    std::int32_t mediumCompletions = 0;
    std::int32_t mediumYards = 0;
    std::int32_t mediumTouchdowns = 0;
    std::int32_t mediumInterceptions = 0;
    std::int32_t longAttempts = 0;
    std::int32_t longCompletions = 0;
    std::int32_t longYards = 0;
    std::int32_t longTouchdowns = 0;
    std::int32_t longInterceptions = 0;
    std::int32_t blitzAttempts = 0;
    std::int32_t blitzCompletions = 0;
    std::int32_t blitzYards = 0;
    std::int32_t blitzTouchdowns = 0;
    std::int32_t blitzInterceptions = 0;

    bool operator==(const SeasonStats&) const = default;
};

// The season's lines of passing in the order of GamePassingFields: line i, field k of a game adds
// to line i, field k of its season.
inline constexpr std::array<PassingFields<SeasonStats, std::int32_t>, 5> SeasonPassingFields{{
    {&SeasonStats::attempts, &SeasonStats::completions, &SeasonStats::yards,
     &SeasonStats::touchdowns, &SeasonStats::interceptions},
    {&SeasonStats::shortAttempts, &SeasonStats::shortCompletions, &SeasonStats::shortYards,
     &SeasonStats::shortTouchdowns, &SeasonStats::shortInterceptions},
    {&SeasonStats::mediumAttempts, &SeasonStats::mediumCompletions, &SeasonStats::mediumYards,
     &SeasonStats::mediumTouchdowns, &SeasonStats::mediumInterceptions},
    {&SeasonStats::longAttempts, &SeasonStats::longCompletions, &SeasonStats::longYards,
     &SeasonStats::longTouchdowns, &SeasonStats::longInterceptions},
    {&SeasonStats::blitzAttempts, &SeasonStats::blitzCompletions, &SeasonStats::blitzYards,
     &SeasonStats::blitzTouchdowns, &SeasonStats::blitzInterceptions},
}};
