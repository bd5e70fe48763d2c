// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

struct GameState;
class RandomSource;

// A throw off or far off is intercepted when a draw of round(u × InterceptionDrawSpan) + 1 is at
// most its grade's limit.
inline constexpr int InterceptionDrawSpan = 9;
inline constexpr int InterceptionLimitOff = 2;
inline constexpr int InterceptionLimitFarOff = 3;

// What a throw came to, as the current-throw label and the pictures tell it.
struct ThrowOutcome {
    std::optional<QString> text; // none: the label keeps its text (a completion without a snap)
    bool touchdown = false;
    bool intercepted = false;
};

// Turns a throw graded `distance` steps from the target into a completion, incompletion or
// interception: counts it, with a completion's yards, and keeps the runs of completions.
ThrowOutcome resolveThrow(RandomSource& random, GameState& state, std::int16_t grade,
                          std::int16_t playType, int distance);
