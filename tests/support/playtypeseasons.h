// SPDX-License-Identifier: MIT
#pragma once

#include "storage/seasoncodec.h"
#include "support/datatable.h"

#include <QByteArray>

// gdk.dat of seasons numbered from 1, each of the number of games a word of a table gives and
// without a throw: a career as far along as a test needs it.
inline QByteArray seasonsOfGames(const QStringList& games) {
    QByteArray bytes;
    for (qsizetype i = 0; i < games.size(); ++i)
        bytes += encodeSeason({.number = int(i + 1), .games = tableInt(games[i])});
    return bytes;
}

// gdk.dat of a full first season and a second of three games; the long pass was never thrown,
// and one throw of the first season came after a new game stopped its snap, so it has no type.
// Each line: attempts, completions, yards, touchdowns and interceptions.
inline QByteArray twoSeasonsOfPlayTypes() {
    return encodeSeason(
               {.number = 1,
                .games = 16,
                .total = {201, 128, 1600, 10, 7},
                .byType = {{{100, 70, 600, 3, 2}, {80, 50, 700, 4, 3}, {}, {20, 8, 300, 3, 2}}}}) +
           encodeSeason(
               {.number = 2,
                .games = 3,
                .total = {75, 50, 520, 4, 2},
                .byType = {{{40, 30, 250, 1, 0}, {30, 18, 210, 2, 1}, {}, {5, 2, 60, 1, 1}}}});
}
