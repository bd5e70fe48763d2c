// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

// A number with four decimals, kept exactly as ten-thousandths: completion percentages and
// passer ratings, as the rules round them and the records file stores them.
struct FixedPoint4 {
    std::int64_t tenThousandths = 0;

    static constexpr FixedPoint4 fromTenths(std::int64_t tenths) { return {tenths * 1000}; }
    static constexpr FixedPoint4 fromHundredths(std::int64_t hundredths) {
        return {hundredths * 100};
    }
    friend constexpr bool operator==(FixedPoint4 a, FixedPoint4 b) = default;
    friend constexpr bool operator<(FixedPoint4 a, FixedPoint4 b) {
        return a.tenThousandths < b.tenThousandths;
    }
};
