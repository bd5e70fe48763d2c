// SPDX-License-Identifier: MIT
#pragma once

class RandomSource;

// round(u × n), ties to the even integer: 0 to n, the two ends half as likely as the rest.
int drawRounded(RandomSource& random, int n);

// floor(u × n) + 1: uniform 1 to n.
int drawFloorPlusOne(RandomSource& random, int n);

// A chance as a fraction: `in` in `of`.
struct Chance {
    int in = 0;
    int of = 1;
};

// The chance that round(u × n) + 1 is at most k (1 ≤ k ≤ n): (k − 0.5) / n, in lowest terms.
Chance roundedDrawAtMost(int n, int k);

// The chance that floor(u × n) + 1 is at most k (0 ≤ k ≤ n): k in n, as the draw counts it.
Chance floorDrawAtMost(int n, int k);
