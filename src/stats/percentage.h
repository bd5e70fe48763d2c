// SPDX-License-Identifier: MIT
#pragma once

#include "stats/fixedpoint4.h"

#include <cstdint>

// completions / attempts × 100 rounded half away from zero to one decimal; 0 when there is no
// completion (the guard is on completions, so a game of misses shows 0).
FixedPoint4 completionPercentage(std::int64_t completions, std::int64_t attempts);
