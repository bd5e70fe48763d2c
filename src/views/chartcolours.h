// SPDX-License-Identifier: MIT
#pragma once

#include "views/passtypetable.h"

#include <array>

// A colour by its sRGB components, 0 to 255; the core names the chart's colours, the window
// paints with them.
struct ChartColour {
    int red = 0;
    int green = 0;
    int blue = 0;
};

inline constexpr ChartColour ChartBackground{255, 255, 255};

// One colour per view line: Short (dark blue), Medium (olive), Long (teal), Blitz (dark violet)
// and All (black). Every two of them stay far apart for normal eyes and for eyes without red or
// green cones, and each stands out against the background as a line must; markers and dashes
// tell the lines apart without colour.
inline constexpr std::array<ChartColour, ViewLineCount> RatingLineColours{{
    {0, 0, 230},
    {120, 130, 0},
    {0, 120, 100},
    {120, 0, 140},
    {0, 0, 0},
}};
