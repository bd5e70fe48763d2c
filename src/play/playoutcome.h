// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

struct PlayContext;

// Turns a graded throw into a completion, incompletion or interception: counts it, keeps the
// runs of completions, shows the outcome and refreshes the statistics lines.
void figureResults(PlayContext& play, std::int16_t grade, std::int16_t playType);
