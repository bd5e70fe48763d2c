// SPDX-License-Identifier: MIT
#pragma once

struct GameState;
struct SeasonStats;

// The season with one more game: the game's totals and its line of each play type added,
// Games one higher; Season and Reserved are left as they were.
SeasonStats addGameToSeason(SeasonStats season, const GameState& game);
