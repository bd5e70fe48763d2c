// SPDX-License-Identifier: MIT
#include "stats/passerrating.h"

#include "stats/exactround.h"

#include <algorithm>

namespace {

// Components are held in thousandths.
constexpr std::int64_t componentBound = 2375;

std::int64_t bounded(std::int64_t component) {
    return std::clamp<std::int64_t>(component, 0, componentBound);
}

std::int64_t thousandths(std::int64_t numerator, std::int64_t denominator) {
    return roundQuotientToPlaces(numerator, denominator, 3);
}

} // namespace

FixedPoint4 passerRating(const CareerLine& c) {
    const std::int64_t a = c.attempts;
    if (a <= 0)
        return {};
    // (C / A × 100 − 30) × 0.05 = (100 C − 30 A) / 20 A
    const std::int64_t completion = bounded(thousandths(100 * c.completions - 30 * a, 20 * a));
    // (Y / A − 3) × 0.25 = (Y − 3 A) / 4 A
    const std::int64_t yards = bounded(thousandths(c.yards - 3 * a, 4 * a));
    // T / A × 100 × 0.2 = 20 T / A
    const std::int64_t touchdown =
        c.touchdowns <= 0 ? 0 : std::min(componentBound, thousandths(20 * c.touchdowns, a));
    // 2.375 − I / A × 100 × 0.25 = 2.375 − 25 I / A
    const std::int64_t interception =
        c.interceptions <= 0
            ? componentBound
            : std::max<std::int64_t>(0, componentBound - thousandths(25 * c.interceptions, a));
    const std::int64_t sum = completion + yards + touchdown + interception;
    if (sum <= 0)
        return {};
    // S / 6 × 100 with S in thousandths is S / 60, kept to two decimals.
    return FixedPoint4::fromHundredths(roundQuotientToPlaces(sum, 60, 2));
}
