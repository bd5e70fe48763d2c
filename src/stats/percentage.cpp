// SPDX-License-Identifier: MIT
#include "stats/percentage.h"

#include "stats/exactround.h"

Currency completionPercentage(std::int64_t completions, std::int64_t attempts) {
    if (completions <= 0 || attempts <= 0)
        return {};
    return Currency::fromTenths(roundQuotientToPlaces(completions * 100, attempts, 1));
}
