// SPDX-License-Identifier: MIT
#pragma once

#include <qnamespace.h>

// A colour by its sRGB components, 0 to 255; the core names the chart's colours, the window
// paints with them.
struct ChartColour {
    int red = 0;
    int green = 0;
    int blue = 0;
};

inline constexpr ChartColour ChartBackground{255, 255, 255};

enum class ChartMarker { Square, Triangle, Diamond, Cross, Circle };

// How the rating chart draws one line: beside its colour a marker and a dash of its own, for
// eyes that see no colour at all. Every line names all three.
struct ChartStyle {
    constexpr ChartStyle(ChartColour lineColour, ChartMarker lineMarker, Qt::PenStyle lineDash)
        : colour(lineColour), marker(lineMarker), dash(lineDash) {}

    ChartColour colour;
    ChartMarker marker;
    Qt::PenStyle dash;
};

// The line of all passes, drawn after those of the play types.
inline constexpr ChartStyle AllPassesStyle{{0, 0, 0}, ChartMarker::Circle, Qt::SolidLine};
