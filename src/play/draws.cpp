// SPDX-License-Identifier: MIT
#include "play/draws.h"

#include "play/randomsource.h"

#include <cmath>
#include <numeric>

namespace {

Chance lowestTerms(int in, int of) {
    const int divisor = std::gcd(in, of);
    return {in / divisor, of / divisor};
}

} // namespace

int drawRounded(RandomSource& random, int n) {
    // nearbyint follows the default rounding mode, round-to-nearest-even.
    return static_cast<int>(std::nearbyint(random.uniform() * n));
}

int drawFloorPlusOne(RandomSource& random, int n) {
    return static_cast<int>(std::floor(random.uniform() * n)) + 1;
}

Chance roundedDrawAtMost(int n, int k) {
    return lowestTerms(2 * k - 1, 2 * n);
}

Chance floorDrawAtMost(int n, int k) {
    return {k, n};
}
