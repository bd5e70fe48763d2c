// SPDX-License-Identifier: MIT
#pragma once

class RandomSource;

// round(u × n), ties to the even integer: 0 to n, the two ends half as likely as the rest.
int drawRounded(RandomSource& random, int n);

// floor(u × n) + 1: uniform 1 to n.
int drawFloorPlusOne(RandomSource& random, int n);
