// SPDX-License-Identifier: MIT
#pragma once

#include "storage/seasoncodec.h"

#include <QByteArray>

// gdk.dat of a full first season and a second of three games; the long pass was never thrown,
// and one throw of the first season came after a new game stopped its snap, so it has no type.
// Fields in record order: number, games, then attempts, completions, yards, touchdowns and
// interceptions of all passes, the reserved field, and the same five of Short, Medium, Long and
// Blitz.
inline QByteArray twoSeasonsOfPassTypes() {
    // clang-format off
    return encodeSeason({1, 16, 201, 128, 1600, 10, 7, 0,
                         100, 70, 600, 3, 2,  80, 50, 700, 4, 3,  0, 0, 0, 0, 0,  20, 8, 300, 3, 2}) +
           encodeSeason({2, 3, 75, 50, 520, 4, 2, 0,
                         40, 30, 250, 1, 0,  30, 18, 210, 2, 1,  0, 0, 0, 0, 0,  5, 2, 60, 1, 1});
    // clang-format on
}
