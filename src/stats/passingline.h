// SPDX-License-Identifier: MIT
#pragma once

#include <concepts>
#include <cstdint>

// One line of passing: attempts, completions, yards, touchdowns and interceptions. The game
// counts in 16 bits, the season and its files in 32, sums over a career in 64; the views hold
// the same five as texts.
template <typename Count> struct PassingLine {
    Count attempts{};
    Count completions{};
    Count yards{};
    Count touchdowns{};
    Count interceptions{};

    // A narrower line widens without loss, so a rating or a career sum takes any of them.
    template <std::integral Wider>
    requires(sizeof(Wider) >= sizeof(Count)) constexpr operator PassingLine<Wider>() const {
        return {attempts, completions, yards, touchdowns, interceptions};
    }

    template <typename Other>
    requires(sizeof(Count) >= sizeof(Other)) PassingLine&
    operator+=(const PassingLine<Other>& other) {
        attempts += other.attempts;
        completions += other.completions;
        yards += other.yards;
        touchdowns += other.touchdowns;
        interceptions += other.interceptions;
        return *this;
    }

    bool operator==(const PassingLine&) const = default;
};

using GameLine = PassingLine<std::int16_t>;
using SeasonLine = PassingLine<std::int32_t>;
using CareerLine = PassingLine<std::int64_t>;
