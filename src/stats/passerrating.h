// SPDX-License-Identifier: MIT
#pragma once

#include "stats/fixedpoint4.h"
#include "stats/passingline.h"

// The passer rating, 0 to 158.33 with at most two decimals: four components each rounded to
// three decimals and bounded to 0..2.375, their sum / 6 × 100 rounded to two decimals. Every
// rounding is of the exact value, halves away from zero.
FixedPoint4 passerRating(const CareerLine& line);
