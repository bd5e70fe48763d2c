// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

struct GameState;
struct MainView;
class RandomSource;

// What one step of a play works on: the game state, the screen it shows, the source of chance
// and the decimal separator of the player's locale.
struct PlayContext {
    GameState& state;
    MainView& view;
    RandomSource& random;
    const QString& decimalPoint;
};
