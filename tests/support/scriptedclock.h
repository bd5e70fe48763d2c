// SPDX-License-Identifier: MIT
#pragma once

#include "app/monotonicclock.h"
#include "app/pressinstant.h"

#include <QtGlobal>

// A monotonic clock that moves only when the test moves it. It starts decades after boot, so
// the timer's wake thread, which sleeps on the real clock, never wakes during a test; and with
// its low 32 bits of milliseconds far from the small stamps the test library gives its mouse
// events, so those never pass for recent presses.
struct ScriptedClock {
    std::chrono::steady_clock::time_point now{std::chrono::milliseconds((1LL << 40) + (1LL << 31))};

    MonotonicClock function() {
        return [this] { return now; };
    }
    void advance(std::chrono::milliseconds by) { now += by; }
    // The window system's stamp of the moment `ago` before now.
    quint64 stampAgo(std::chrono::milliseconds ago) const { return pressStamp(now - ago); }
};
