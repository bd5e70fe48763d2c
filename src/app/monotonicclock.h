// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <functional>

// The one clock of the game's timing: the meter's timer counts against it, and the window
// system's stamps of the presses are placed on it. The game passes the system's monotonic clock,
// the one X11 and Wayland stamp their input with; tests pass a scripted one.
using MonotonicClock = std::function<std::chrono::steady_clock::time_point()>;
