// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

// A fixed-point value with four decimals: percentages, ratings and the best-mark records.
struct Currency {
    std::int64_t tenThousandths = 0;

    static constexpr Currency fromTenths(std::int64_t tenths) { return {tenths * 1000}; }
    static constexpr Currency fromHundredths(std::int64_t hundredths) { return {hundredths * 100}; }
    friend constexpr bool operator==(Currency a, Currency b) = default;
    friend constexpr bool operator<(Currency a, Currency b) {
        return a.tenThousandths < b.tenThousandths;
    }
};
