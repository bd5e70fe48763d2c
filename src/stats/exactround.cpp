// SPDX-License-Identifier: MIT
#include "stats/exactround.h"

std::int64_t roundQuotient(std::int64_t numerator, std::int64_t denominator) {
    const bool negative = numerator < 0;
    const std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(numerator)
                                             : static_cast<std::uint64_t>(numerator);
    const auto divisor = static_cast<std::uint64_t>(denominator);
    std::uint64_t quotient = magnitude / divisor;
    const std::uint64_t remainder = magnitude % divisor;
    if (remainder >= divisor - remainder)
        ++quotient;
    const auto result = static_cast<std::int64_t>(quotient);
    return negative ? -result : result;
}

std::int64_t powerOfTen(int exponent) {
    std::int64_t result = 1;
    for (int i = 0; i < exponent; ++i)
        result *= 10;
    return result;
}

std::int64_t roundQuotientToPlaces(std::int64_t numerator, std::int64_t denominator, int places) {
    return roundQuotient(numerator * powerOfTen(places), denominator);
}
