// SPDX-License-Identifier: MIT
#include "app/pressinstant.h"

#include <algorithm>
#include <cstdint>

namespace {
using Clock = std::chrono::steady_clock;
using Milliseconds = std::chrono::milliseconds;

// Longer than any hold-up a player sits through; a stamp older than this comes from a clock
// other than ours.
constexpr Milliseconds oldestPress(2000);
} // namespace

Clock::time_point pressInstant(quint64 stampMs, Clock::time_point handled) {
    if (stampMs == 0)
        return handled;
    const Milliseconds handledMs = std::chrono::floor<Milliseconds>(handled.time_since_epoch());
    // Both cut to 32 bits, so the age comes out right across a wrap; a stamp after `handled`
    // wraps to an age of weeks.
    const std::uint32_t age =
        static_cast<std::uint32_t>(handledMs.count()) - static_cast<std::uint32_t>(stampMs);
    if (age > oldestPress.count())
        return handled;
    // The stamp names the millisecond the press fell in. Its last moment is the earliest sure to
    // come after the press: no timer event from before the press is ever taken back, and a
    // press handled within its own millisecond, as on an idle machine, takes back nothing.
    const Clock::time_point instant =
        Clock::time_point(handledMs - Milliseconds(age) + Milliseconds(1)) -
        std::chrono::nanoseconds(1);
    return std::min(instant, handled);
}

quint64 pressStamp(Clock::time_point instant) {
    const auto ms = std::chrono::floor<Milliseconds>(instant.time_since_epoch());
    return static_cast<std::uint32_t>(ms.count());
}
