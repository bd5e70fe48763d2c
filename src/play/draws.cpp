// SPDX-License-Identifier: MIT
#include "play/draws.h"

#include "play/randomsource.h"

#include <cmath>

int drawRounded(RandomSource& random, int n) {
    // nearbyint follows the default rounding mode, round-to-nearest-even.
    return static_cast<int>(std::nearbyint(random.uniform() * n));
}

int drawFloorPlusOne(RandomSource& random, int n) {
    return static_cast<int>(std::floor(random.uniform() * n)) + 1;
}
