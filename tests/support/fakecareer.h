// SPDX-License-Identifier: MIT
#pragma once

#include "play/career.h"
#include "play/gamestate.h"

#include <QStringList>

// A career in memory: remembers the calls of a game's end in order and the games it was given.
class FakeCareer final : public Career {
public:
    bool readyForNewGame() override { return ready; }
    SeasonOpening openStats(GameState& state) override {
        calls << QStringLiteral("open");
        if (opening == SeasonOpening::Open) {
            state.seasonNumber = seasonNumber;
            state.seasonGames = gamesBefore + saved;
        }
        return opening;
    }
    bool saveStats(const GameState&) override {
        calls << QStringLiteral("save");
        if (!keeps)
            return false;
        ++saved;
        return true;
    }
    bool checkBestGame(const GameState&) override {
        calls << QStringLiteral("best");
        return recordFalls;
    }
    void clearCareer() override { calls << QStringLiteral("clear"); }

    QStringList calls;
    int seasonNumber = 2; // a second season, three games into it
    int gamesBefore = 3;
    bool ready = true; // false: New Game is refused before anything else
    SeasonOpening opening = SeasonOpening::Open;
    bool recordFalls = false;
    bool keeps = true; // false: every save fails
    int saved = 0;
};
