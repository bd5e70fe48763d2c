// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

struct PlayContext;

// A throw off or far off is intercepted when a draw of round(u × InterceptionDrawSpan) + 1 is at
// most its grade's limit.
inline constexpr int InterceptionDrawSpan = 9;
inline constexpr int InterceptionLimitOff = 2;
inline constexpr int InterceptionLimitFarOff = 3;

// Turns a graded throw into a completion, incompletion or interception: counts it, keeps the
// runs of completions, shows the outcome and refreshes the statistics lines.
void figureResults(PlayContext& play, std::int16_t grade, std::int16_t playType);
