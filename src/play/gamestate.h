// SPDX-License-Identifier: MIT
#pragma once

#include "play/playtype.h"
#include "stats/passingline.h"

#include <array>
#include <cstdint>

// Everything the main window keeps about the game in progress. Game counters are 16-bit, the
// season snapshot 32-bit, as the career files and the statistics lines expect.
struct GameState {
    GameLine game{};                                    // the game's totals
    std::array<GameLine, PlayType::Count> gameByType{}; // at PlayType::index
    std::int16_t longestInRow = 0;
    std::int16_t currentInRow = 0;

    // The season snapshot: the current season as stored before this game.
    SeasonLine season{};
    std::int32_t seasonGames = 0;
    std::int32_t seasonNumber = 0;

    std::int16_t playType = 0;
    std::int16_t maxThrows = 0;
    std::int16_t speedShift = 0; // the game's speed row: events per step beyond each play type's
    int meter = 0;               // the throw meter pbThrow: 0 to MeterMaximum

    // Kept from snap to snap and game to game, never reset.
    std::int16_t lastPlayType = 0;
    std::int32_t tickCount = 0;

    // Zeroes the game's lines, its runs of completions and the play type, as a new game does.
    void clearGame();
};

// Adds 1 to a 16-bit game counter; the rules keep every game counter far below its limit.
inline void increment(std::int16_t& counter) {
    counter = static_cast<std::int16_t>(counter + 1);
}
