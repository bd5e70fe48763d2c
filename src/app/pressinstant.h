// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>
#include <chrono>

// The moment a press was made, on the game's clock. `stampMs` is the window system's stamp of
// the press: milliseconds of the monotonic clock, cut to 32 bits, 0 when there is none.
// `handled` is the moment the press is being handled. A stamp that is missing, lies after
// `handled` or long before it (a remote display, a test platform with a clock of its own) says
// nothing about the press, which then counts as made when handled.
std::chrono::steady_clock::time_point pressInstant(quint64 stampMs,
                                                   std::chrono::steady_clock::time_point handled);

// The window system's stamp of a moment on that clock: its milliseconds, cut to 32 bits.
quint64 pressStamp(std::chrono::steady_clock::time_point instant);
