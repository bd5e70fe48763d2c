// SPDX-License-Identifier: MIT
#pragma once

#include "play/draws.h"

#include <QString>
#include <vector>

// One row of the distance table: the meter values that share an outcome, and its chances.
struct DistanceRow {
    std::vector<int> stops; // ascending
    Chance completion;      // for the stops two off: with the shortest run of completions
    Chance interception;
    bool completionFollowsTheRun = false;
};

// One rung of the run table for a throw two off: longest runs `fromLongest` to `toLongest`
// (-1: or more) complete with the chance given.
struct RunRow {
    int fromLongest = 0;
    int toLongest = 0;
    Chance completion;
};

// Built from the throw rules' own constants, so the help cannot disagree with them.
std::vector<DistanceRow> distanceRows();
std::vector<RunRow> runRows();

// The meter values in words: "39, 40 or 41", "0 to 34 or 46 to 50".
QString stopsText(const std::vector<int>& stops);

// The How to Play page: `templateHtml` with its %DISTANCES%, %RUNS%, %TARGET%, %MAXIMUM%,
// %GAMES%, %SEASONS% and %DIRECTORY% filled in; `dataDirectory` is where the files live.
QString howToPlayHtml(QString templateHtml, const QString& dataDirectory);
