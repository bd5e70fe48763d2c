// SPDX-License-Identifier: MIT
#pragma once

#include "play/gamestate.h"

#include <cstdint>

// One season of the career stats file: the running totals of its games, then the totals of
// each play type. Stored as a 110-byte little-endian record; Reserved is kept as read.
struct SeasonStats {
    std::int32_t Season = 0;
    std::int32_t Games = 0;
    std::int32_t Att = 0;
    std::int32_t Comp = 0;
    std::int32_t Yds = 0;
    std::int32_t TD = 0;
    std::int32_t Int = 0;
    std::int16_t Reserved = 0;
    std::int32_t ShortAtt = 0;
    std::int32_t ShortComp = 0;
    std::int32_t ShortYds = 0;
    std::int32_t ShortTD = 0;
    std::int32_t ShortInt = 0;
    std::int32_t MediumAtt = 0;
    std::int32_t MediumComp = 0;
    std::int32_t MediumYds = 0;
    std::int32_t MediumTD = 0;
    std::int32_t MediumInt = 0;
    std::int32_t LongAtt = 0;
    std::int32_t LongComp = 0;
    std::int32_t LongYds = 0;
    std::int32_t LongTD = 0;
    std::int32_t LongInt = 0;
    std::int32_t BlitzAtt = 0;
    std::int32_t BlitzComp = 0;
    std::int32_t BlitzYds = 0;
    std::int32_t BlitzTD = 0;
    std::int32_t BlitzInt = 0;

    bool operator==(const SeasonStats&) const = default;
};

// The season's lines of passing in the order of GamePassingFields: line i, field k of a game adds
// to line i, field k of its season.
inline constexpr std::array<PassingFields<SeasonStats, std::int32_t>, 5> SeasonPassingFields{{
    {&SeasonStats::Att, &SeasonStats::Comp, &SeasonStats::Yds, &SeasonStats::TD, &SeasonStats::Int},
    {&SeasonStats::ShortAtt, &SeasonStats::ShortComp, &SeasonStats::ShortYds, &SeasonStats::ShortTD,
     &SeasonStats::ShortInt},
    {&SeasonStats::MediumAtt, &SeasonStats::MediumComp, &SeasonStats::MediumYds,
     &SeasonStats::MediumTD, &SeasonStats::MediumInt},
    {&SeasonStats::LongAtt, &SeasonStats::LongComp, &SeasonStats::LongYds, &SeasonStats::LongTD,
     &SeasonStats::LongInt},
    {&SeasonStats::BlitzAtt, &SeasonStats::BlitzComp, &SeasonStats::BlitzYds, &SeasonStats::BlitzTD,
     &SeasonStats::BlitzInt},
}};
