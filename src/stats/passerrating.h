// SPDX-License-Identifier: MIT
#pragma once

#include "play/gamestate.h"
#include "stats/fixedpoint4.h"

#include <array>
#include <cstdint>

struct SeasonStats;

struct PasserCounts {
    std::int64_t attempts = 0;
    std::int64_t completions = 0;
    std::int64_t yards = 0;
    std::int64_t touchdowns = 0;
    std::int64_t interceptions = 0;

    PasserCounts& operator+=(const PasserCounts& other) {
        attempts += other.attempts;
        completions += other.completions;
        yards += other.yards;
        touchdowns += other.touchdowns;
        interceptions += other.interceptions;
        return *this;
    }
};

// One line of passing of a game or a season record (GamePassingFields, SeasonPassingFields).
template <typename Record, typename Count>
PasserCounts passingCounts(const Record& record, const PassingFields<Record, Count>& line) {
    return {record.*line[0], record.*line[1], record.*line[2], record.*line[3], record.*line[4]};
}

// The attempts, completions, yards, touchdowns and interceptions of a season record.
PasserCounts seasonCounts(const SeasonStats& season);

// The season's counts of each play type: Short, Medium, Long and Blitz, in that order.
using TypeCounts = std::array<PasserCounts, 4>;
TypeCounts typeCounts(const SeasonStats& season);

// The passer rating, 0 to 158.33 with at most two decimals: four components each rounded to
// three decimals and bounded to 0..2.375, their sum / 6 × 100 rounded to two decimals. Every
// rounding is of the exact value, halves away from zero.
FixedPoint4 passerRating(const PasserCounts& counts);

// The game in progress.
FixedPoint4 gameRating(const GameState& state);
// The current season as last loaded from the career file (the season snapshot).
FixedPoint4 seasonRating(const GameState& state);
// Any season record; only its season totals are read.
FixedPoint4 seasonRating(const SeasonStats& season);
