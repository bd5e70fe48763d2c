// SPDX-License-Identifier: MIT
#pragma once

#include "play/career.h"
#include "play/gamestate.h"

// A career that keeps nothing: every game is the first of season 1 and breaks no record.
class UnsavedCareer final : public Career {
public:
    bool readyForNewGame() override { return true; }
    SeasonOpening openStats(GameState& state) override {
        state.seasonNumber = 1;
        return SeasonOpening::Open;
    }
    bool saveStats(const GameState&) override { return true; }
    bool checkBestGame(const GameState&) override { return false; }
    void clearCareer() override {}
};
