// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>

// The five counters of a line of passing, as members of a game or season record: attempts,
// completions, yards, touchdowns and interceptions.
template <typename Record, typename Count> using PassingFields = std::array<Count Record::*, 5>;

// The counters of one play-type block of the game state, addressed together.
struct PlayTypeCounters {
    std::int16_t* attempts;
    std::int16_t* completions;
    std::int16_t* yards;
    std::int16_t* tds;
    std::int16_t* ints;
};

// Everything the main window keeps about the game in progress. Game counters are 16-bit, the
// season snapshot 32-bit, as the career files and the statistics lines expect.
struct GameState {
    std::int16_t gameAttempts = 0;
    std::int16_t gameCompletions = 0;
    std::int16_t gameYards = 0;
    std::int16_t gameTouchdowns = 0;
    std::int16_t gameInterceptions = 0;
    std::int16_t longestInRow = 0;
    std::int16_t currentInRow = 0;

    std::int16_t gameShortAttempts = 0;
    std::int16_t gameShortCompletions = 0;
    std::int16_t gameShortYards = 0;
    std::int16_t gameShortTouchdowns = 0;
    std::int16_t gameShortInterceptions = 0;
    std::int16_t gameMediumAttempts = 0;
    std::int16_t gameMediumCompletions = 0;
    std::int16_t gameMediumYards = 0;
    std::int16_t gameMediumTouchdowns = 0;
    std::int16_t gameMediumInterceptions = 0;
    std::int16_t gameLongAttempts = 0;
    std::int16_t gameLongCompletions = 0;
    std::int16_t gameLongYards = 0;
    std::int16_t gameLongTouchdowns = 0;
    std::int16_t gameLongInterceptions = 0;
    std::int16_t gameBlitzAttempts = 0;
    std::int16_t gameBlitzCompletions = 0;
    std::int16_t gameBlitzYards = 0;
    std::int16_t gameBlitzTouchdowns = 0;
    std::int16_t gameBlitzInterceptions = 0;

    // The season snapshot: the current season as stored before this game.
    std::int32_t seasonAttempts = 0;
    std::int32_t seasonCompletions = 0;
    std::int32_t seasonYards = 0;
    std::int32_t seasonTouchdowns = 0;
    std::int32_t seasonInterceptions = 0;
    std::int32_t seasonGames = 0;
    std::int32_t seasonNumber = 0;

    std::int16_t playType = 0;
    std::int16_t maxThrows = 0;
    std::int16_t longSpeed = 0;
    std::int16_t mediumSpeed = 0;
    std::int16_t shortSpeed = 0;
    std::int16_t blitzSpeed = 0;
    int meter = 0; // the throw meter pbThrow: 0 to MeterMaximum

    // Kept from snap to snap and game to game, never reset.
    std::int16_t lastPlayType = 0;
    std::int32_t tickCount = 0;

    // The block of play type 1 to 4; null pointers for any other play type.
    PlayTypeCounters countersOf(std::int16_t type);

    // Zeroes the game totals, the twenty block counters and the play type, as a new game does.
    void clearGame();
};

// The game's lines of passing: its totals (index 0), then the blocks of play types 1 to 4.
inline constexpr std::array<PassingFields<GameState, std::int16_t>, 5> GamePassingFields{{
    {&GameState::gameAttempts, &GameState::gameCompletions, &GameState::gameYards,
     &GameState::gameTouchdowns, &GameState::gameInterceptions},
    {&GameState::gameShortAttempts, &GameState::gameShortCompletions, &GameState::gameShortYards,
     &GameState::gameShortTouchdowns, &GameState::gameShortInterceptions},
    {&GameState::gameMediumAttempts, &GameState::gameMediumCompletions, &GameState::gameMediumYards,
     &GameState::gameMediumTouchdowns, &GameState::gameMediumInterceptions},
    {&GameState::gameLongAttempts, &GameState::gameLongCompletions, &GameState::gameLongYards,
     &GameState::gameLongTouchdowns, &GameState::gameLongInterceptions},
    {&GameState::gameBlitzAttempts, &GameState::gameBlitzCompletions, &GameState::gameBlitzYards,
     &GameState::gameBlitzTouchdowns, &GameState::gameBlitzInterceptions},
}};

// The season snapshot's line of passing, as the season's own totals (SeasonPassingFields[0]) fill
// it.
inline constexpr PassingFields<GameState, std::int32_t> SeasonSnapshotFields{
    &GameState::seasonAttempts, &GameState::seasonCompletions, &GameState::seasonYards,
    &GameState::seasonTouchdowns, &GameState::seasonInterceptions};

// Adds 1 to a 16-bit game counter; the rules keep every game counter far below its limit.
inline void increment(std::int16_t& counter) {
    counter = static_cast<std::int16_t>(counter + 1);
}
