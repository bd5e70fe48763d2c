// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

// Rounds the exact quotient numerator / denominator to the nearest whole number, halves away
// from zero. denominator must be positive. Works on the whole counts, so a true half such as
// 204 / 320 * 100 = 63.75 is never lost to a double landing just below it.
std::int64_t roundQuotient(std::int64_t numerator, std::int64_t denominator);

// numerator / denominator rounded to `places` decimals, returned scaled by 10^places.
std::int64_t roundQuotientToPlaces(std::int64_t numerator, std::int64_t denominator, int places);

std::int64_t powerOfTen(int exponent);
