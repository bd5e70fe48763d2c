// SPDX-License-Identifier: MIT
#pragma once

#include "storage/seasoncodec.h"
#include "storage/seasonstats.h"

#include <QByteArray>
#include <array>

// Att, Comp, Yds, TD and Int of one pass type.
using TypeFigures = std::array<std::int32_t, 5>;

// A stored season whose totals are the sums of its pass types (Short, Medium, Long, Blitz).
inline SeasonStats seasonOfTypes(int number, int games, const std::array<TypeFigures, 4>& types) {
    SeasonStats s;
    s.Season = number;
    s.Games = games;
    std::int32_t* fields[4][5] = {
        {&s.ShortAtt, &s.ShortComp, &s.ShortYds, &s.ShortTD, &s.ShortInt},
        {&s.MediumAtt, &s.MediumComp, &s.MediumYds, &s.MediumTD, &s.MediumInt},
        {&s.LongAtt, &s.LongComp, &s.LongYds, &s.LongTD, &s.LongInt},
        {&s.BlitzAtt, &s.BlitzComp, &s.BlitzYds, &s.BlitzTD, &s.BlitzInt}};
    std::int32_t* totals[5] = {&s.Att, &s.Comp, &s.Yds, &s.TD, &s.Int};
    for (std::size_t type = 0; type < 4; ++type)
        for (std::size_t field = 0; field < 5; ++field) {
            *fields[type][field] = types[type][field];
            *totals[field] += types[type][field];
        }
    return s;
}

// gdk.dat of a full first season and a second of three games; the long pass was never thrown.
inline QByteArray twoSeasonsOfPassTypes() {
    return encodeSeason(seasonOfTypes(
               1, 16, {{{100, 70, 600, 3, 2}, {80, 50, 700, 4, 3}, {}, {20, 8, 300, 3, 2}}})) +
           encodeSeason(seasonOfTypes(
               2, 3, {{{40, 30, 250, 1, 0}, {30, 18, 210, 2, 1}, {}, {5, 2, 60, 1, 1}}}));
}
