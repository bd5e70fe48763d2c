// SPDX-License-Identifier: MIT
#pragma once

#include "views/chartstyle.h"

#include <QString>
#include <array>
#include <cstddef>
#include <cstdint>

// What a completion gains at one distance from the target: base + round(u × span) yards, and a
// touchdown when round(u × 9) + 1 is at most the threshold.
struct YardageRow {
    constexpr YardageRow(int rowBase, int rowSpan, int rowTouchdownThreshold)
        : base(rowBase), span(rowSpan), touchdownThreshold(rowTouchdownThreshold) {}

    int base;
    int span;
    int touchdownThreshold; // 0: this row never scores
};

// Everything that sets a play type apart. A play type without its chart style or one of its
// three yardage rows does not build, nor does a code without its row of PlayTypes.
struct PlayTypeInfo {
    const char* name;                  // "Short": the simulator's columns
    const char* caption;               // "Short Pass": the snap, its outcome and the views
    int speed;                         // timer events per meter step on the game's middle speed row
    std::array<YardageRow, 3> yardage; // by distance 0, 1 and 2 from the target
    ChartStyle chart;
    const char* pageCell; // the heading of its rating column on the exported page
};

// The play types by code, 1 to 4 (0 means no snap). The colours of their chart lines, dark
// blue, olive, teal and dark violet, stay far apart from each other and from the black of all
// passes for normal eyes and for eyes without red or green cones, and each stands out against
// the background as a line must.
inline constexpr PlayTypeInfo PlayTypes[] = {
    {.name = "Short",
     .caption = "Short Pass",
     .speed = 11,
     .yardage = {{{6, 6, 1}, {2, 6, 0}, {0, 5, 0}}},
     .chart = {{0, 0, 230}, ChartMarker::Square, Qt::DashLine},
     .pageCell = "SRAT"},
    {.name = "Medium",
     .caption = "Medium Pass",
     .speed = 9,
     .yardage = {{{6, 15, 2}, {6, 11, 1}, {5, 5, 0}}},
     .chart = {{120, 130, 0}, ChartMarker::Triangle, Qt::DashDotLine},
     .pageCell = "MRAT"},
    {.name = "Long",
     .caption = "Long Pass",
     .speed = 7,
     .yardage = {{{15, 35, 3}, {10, 25, 2}, {5, 15, 1}}},
     .chart = {{0, 120, 100}, ChartMarker::Diamond, Qt::DotLine},
     .pageCell = "LRAT"},
    {.name = "Blitz",
     .caption = "BLITZ!",
     .speed = 6,
     .yardage = {{{10, 50, 4}, {10, 20, 3}, {10, 15, 2}}},
     .chart = {{120, 0, 140}, ChartMarker::Cross, Qt::DashDotDotLine},
     .pageCell = "BRAT"},
};

namespace PlayType {
inline constexpr std::int16_t None = 0;
inline constexpr std::int16_t Short = 1;
inline constexpr std::int16_t Medium = 2;
inline constexpr std::int16_t Long = 3;
inline constexpr std::int16_t Blitz = 4;

// Tables and records keep one entry per play type, at its index.
inline constexpr std::size_t Count = std::size(PlayTypes);
static_assert(Count == Blitz, "one row of PlayTypes for each play type code");

constexpr std::size_t index(std::int16_t playType) {
    return static_cast<std::size_t>(playType - Short);
}

inline bool isSnap(std::int16_t playType) {
    return playType >= Short && index(playType) < Count;
}

inline const PlayTypeInfo& info(std::int16_t playType) {
    return PlayTypes[index(playType)];
}

// The text shown for a snap and used to open its outcome message; empty for no snap.
inline QString caption(std::int16_t playType) {
    return isSnap(playType) ? QString::fromLatin1(info(playType).caption) : QString();
}
} // namespace PlayType
