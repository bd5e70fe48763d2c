// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

struct GameState;

// "12-20 60% 150 YDS 1 TD 1 INT 79.17": the game in progress.
QString gameLine(const GameState& state, const QString& point);
// "G 3 45-70 64.3% 520 YDS 4 TD 2 INT 93.75": the season as stored.
QString seasonLine(const GameState& state, const QString& point);
// "Season 4 Stats".
QString seasonFrameCaption(const GameState& state);
