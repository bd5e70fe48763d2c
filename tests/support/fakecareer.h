// SPDX-License-Identifier: MIT
#pragma once

#include "play/career.h"
#include "play/gamestate.h"

#include <QStringList>

// A career in memory: remembers the calls of a game's end in order and the games it was given.
class FakeCareer final : public Career {
public:
    bool openStats(GameState& state) override {
        calls << QStringLiteral("open");
        state.SeasonNumber = seasonNumber;
        state.SeasonGames = gamesBefore + saved;
        return open;
    }
    void saveStats(const GameState& state) override {
        calls << QStringLiteral("save");
        savedAttempts = state.GameAttempts;
        ++saved;
    }
    bool checkBestGame(const GameState&) override {
        calls << QStringLiteral("best");
        return recordFalls;
    }
    void clearCareer() override { calls << QStringLiteral("clear"); }

    QStringList calls;
    int seasonNumber = 1;
    int gamesBefore = 0;
    bool open = true;
    bool recordFalls = false;
    int saved = 0;
    int savedAttempts = 0;
};
