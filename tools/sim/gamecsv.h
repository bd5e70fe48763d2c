// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

struct GameState;

// The simulator's per-game line: the draws of the game, its totals and its twenty
// per-play-type counters.
QString gameCsvHeader();
QString gameCsvLine(const GameState& state);
