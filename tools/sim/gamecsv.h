// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

struct GameState;

// The simulator's per-game line: the draws of the game, its totals and the line of each play
// type.
QString gameCsvHeader();
QString gameCsvLine(const GameState& state);
