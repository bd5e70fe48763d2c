// SPDX-License-Identifier: MIT
#include "play/gamestate.h"

#include "play/playtype.h"

PlayTypeCounters GameState::countersOf(std::int16_t type) {
    if (!PlayType::isSnap(type))
        return {nullptr, nullptr, nullptr, nullptr, nullptr};
    const auto& line = GamePassingFields[static_cast<std::size_t>(type)];
    return {&(this->*line[0]), &(this->*line[1]), &(this->*line[2]), &(this->*line[3]),
            &(this->*line[4])};
}

void GameState::clearGame() {
    for (const auto& line : GamePassingFields)
        for (const auto field : line)
            this->*field = 0;
    longestInRow = currentInRow = 0;
    playType = 0;
}
