// SPDX-License-Identifier: MIT
#pragma once

#include "storage/seasonstats.h"

// A stored season with the figures the career views read; every pass-type field is zero.
inline SeasonStats season(int number, int games, int comp, int att, int yds, int td = 0,
                          int ints = 0) {
    SeasonStats s;
    s.number = number;
    s.games = games;
    s.completions = comp;
    s.attempts = att;
    s.yards = yds;
    s.touchdowns = td;
    s.interceptions = ints;
    return s;
}
