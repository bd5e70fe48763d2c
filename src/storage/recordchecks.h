// SPDX-License-Identifier: MIT
#pragma once

struct CareerRecords;
struct GameState;
struct SeasonStats;

// Checks a finished game against the game records, updating those it beats (strictly).
// True when yards, touchdowns, completions in a row or completion percentage fell; a new most
// interceptions is kept without counting as a broken record.
bool checkBestGame(const GameState& game, CareerRecords& records);

// Checks a completed season against the season records, updating those it beats (strictly).
void checkSeasonRecords(const SeasonStats& season, CareerRecords& records);
