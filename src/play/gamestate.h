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
    std::int16_t GameAttempts = 0;
    std::int16_t GameCompletions = 0;
    std::int16_t GameYards = 0;
    std::int16_t GameTDs = 0;
    std::int16_t GameINTs = 0;
    std::int16_t LongestInRow = 0;
    std::int16_t CurrentInRow = 0;

    std::int16_t GameShortAttempts = 0;
    std::int16_t GameShortCompletions = 0;
    std::int16_t GameShortYards = 0;
    std::int16_t GameShortTDs = 0;
    std::int16_t GameShortINTs = 0;
    std::int16_t GameMediumAttempts = 0;
    std::int16_t GameMediumCompletions = 0;
    std::int16_t GameMediumYards = 0;
    std::int16_t GameMediumTDs = 0;
    std::int16_t GameMediumINTs = 0;
    std::int16_t GameLongAttempts = 0;
    std::int16_t GameLongCompletions = 0;
    std::int16_t GameLongYards = 0;
    std::int16_t GameLongTDs = 0;
    std::int16_t GameLongINTs = 0;
    std::int16_t GameBlitzAttempts = 0;
    std::int16_t GameBlitzCompletions = 0;
    std::int16_t GameBlitzYards = 0;
    std::int16_t GameBlitzTDs = 0;
    std::int16_t GameBlitzINTs = 0;

    // The season snapshot: the current season as stored before this game.
    std::int32_t SeasonAttempts = 0;
    std::int32_t SeasonCompletions = 0;
    std::int32_t SeasonYards = 0;
    std::int32_t SeasonTDs = 0;
    std::int32_t SeasonINTs = 0;
    std::int32_t SeasonGames = 0;
    std::int32_t SeasonNumber = 0;

    std::int16_t ThrowType = 0;
    std::int16_t MaxThrows = 0;
    std::int16_t LongSpeed = 0;
    std::int16_t MediumSpeed = 0;
    std::int16_t ShortSpeed = 0;
    std::int16_t BlitzSpeed = 0;
    int Meter = 0; // the throw meter pbThrow: 0 to MeterMaximum

    // Kept from snap to snap and game to game, never reset.
    std::int16_t LastThrowType = 0;
    std::int32_t TickCount = 0;

    // The block of play type 1 to 4; null pointers for any other play type.
    PlayTypeCounters countersOf(std::int16_t playType);

    // Zeroes the game totals, the twenty block counters and the play type, as a new game does.
    void clearGame();
};

// The game's lines of passing: its totals (index 0), then the blocks of play types 1 to 4.
inline constexpr std::array<PassingFields<GameState, std::int16_t>, 5> GamePassingFields{{
    {&GameState::GameAttempts, &GameState::GameCompletions, &GameState::GameYards,
     &GameState::GameTDs, &GameState::GameINTs},
    {&GameState::GameShortAttempts, &GameState::GameShortCompletions, &GameState::GameShortYards,
     &GameState::GameShortTDs, &GameState::GameShortINTs},
    {&GameState::GameMediumAttempts, &GameState::GameMediumCompletions, &GameState::GameMediumYards,
     &GameState::GameMediumTDs, &GameState::GameMediumINTs},
    {&GameState::GameLongAttempts, &GameState::GameLongCompletions, &GameState::GameLongYards,
     &GameState::GameLongTDs, &GameState::GameLongINTs},
    {&GameState::GameBlitzAttempts, &GameState::GameBlitzCompletions, &GameState::GameBlitzYards,
     &GameState::GameBlitzTDs, &GameState::GameBlitzINTs},
}};

// The season snapshot's line of passing, as the season's own totals (SeasonPassingFields[0]) fill
// it.
inline constexpr PassingFields<GameState, std::int32_t> SeasonSnapshotFields{
    &GameState::SeasonAttempts, &GameState::SeasonCompletions, &GameState::SeasonYards,
    &GameState::SeasonTDs, &GameState::SeasonINTs};

// Adds 1 to a 16-bit game counter; the rules keep every game counter far below its limit.
inline void increment(std::int16_t& counter) {
    counter = static_cast<std::int16_t>(counter + 1);
}
