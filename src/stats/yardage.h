// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

struct PlayContext;

// The yards and any touchdown of a completed pass, from the play type and the meter's
// distance from the target; counts them and writes the gain or touchdown text.
void figureYards(PlayContext& play, std::int16_t playType);
