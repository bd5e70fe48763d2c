// SPDX-License-Identifier: MIT
#include "stats/percentage.h"

#include "stats/exactround.h"

FixedPoint4 completionPercentage(std::int64_t completions, std::int64_t attempts) {
    if (completions <= 0 || attempts <= 0)
        return {};
    return FixedPoint4::fromTenths(roundQuotientToPlaces(completions * 100, attempts, 1));
}
