// SPDX-License-Identifier: MIT
#pragma once

#include "storage/seasonstats.h"

// A stored season with the figures the career views read; every pass-type field is zero.
inline SeasonStats season(int number, int games, int comp, int att, int yds, int td = 0,
                          int ints = 0) {
    SeasonStats s;
    s.Season = number;
    s.Games = games;
    s.Comp = comp;
    s.Att = att;
    s.Yds = yds;
    s.TD = td;
    s.Int = ints;
    return s;
}
