// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

class RandomSource;

// What a completed pass gains.
struct Gain {
    int yards = 0;
    bool touchdown = false;
};

// The yards and any touchdown of a completed pass of the play type, thrown `distance` steps
// from the target (reseeds first). A distance beyond 2, or no play type, gains nothing.
Gain drawGain(RandomSource& random, std::int16_t playType, int distance);

// The most one completion of the play type can gain: its best row at its highest draw.
int longestGain(std::int16_t playType);
