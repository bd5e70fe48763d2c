// SPDX-License-Identifier: MIT
#include "play/gamestate.h"

#include "play/playtype.h"

PlayTypeCounters GameState::countersOf(std::int16_t playType) {
    switch (playType) {
    case PlayType::Short:
        return {&GameShortAttempts, &GameShortCompletions, &GameShortYards, &GameShortTDs,
                &GameShortINTs};
    case PlayType::Medium:
        return {&GameMediumAttempts, &GameMediumCompletions, &GameMediumYards, &GameMediumTDs,
                &GameMediumINTs};
    case PlayType::Long:
        return {&GameLongAttempts, &GameLongCompletions, &GameLongYards, &GameLongTDs,
                &GameLongINTs};
    case PlayType::Blitz:
        return {&GameBlitzAttempts, &GameBlitzCompletions, &GameBlitzYards, &GameBlitzTDs,
                &GameBlitzINTs};
    default:
        return {nullptr, nullptr, nullptr, nullptr, nullptr};
    }
}

void GameState::clearGame() {
    GameAttempts = GameCompletions = GameYards = GameTDs = GameINTs = 0;
    LongestInRow = CurrentInRow = 0;
    GameShortAttempts = GameShortCompletions = GameShortYards = GameShortTDs = GameShortINTs = 0;
    GameMediumAttempts = GameMediumCompletions = GameMediumYards = GameMediumTDs = GameMediumINTs =
        0;
    GameLongAttempts = GameLongCompletions = GameLongYards = GameLongTDs = GameLongINTs = 0;
    GameBlitzAttempts = GameBlitzCompletions = GameBlitzYards = GameBlitzTDs = GameBlitzINTs = 0;
    ThrowType = 0;
}
