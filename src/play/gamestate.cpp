// SPDX-License-Identifier: MIT
#include "play/gamestate.h"

void GameState::clearGame() {
    game = {};
    gameByType = {};
    longestInRow = currentInRow = 0;
    playType = 0;
}
