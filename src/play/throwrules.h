// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

struct GameState;
class RandomSource;

// Throw grades: 1 on target, 2 slightly off, 3 off, 4 far off.
namespace ThrowGrade {
inline constexpr std::int16_t OnTarget = 1;
inline constexpr std::int16_t SlightlyOff = 2;
inline constexpr std::int16_t Off = 3;
inline constexpr std::int16_t FarOff = 4;
} // namespace ThrowGrade

// Draws a play type 1 to 4 (reseeds first).
std::int16_t makeThrow(RandomSource& random);

// Grades a throw by the meter's distance from the target; draws without reseeding.
std::int16_t checkThrow(RandomSource& random, int meter, std::int16_t longestInRow);

// The meter speeds of a game: timer events per meter step for each play type.
void determineSpeeds(RandomSource& random, GameState& state);

// The number of attempts, 20 to 42, that make up a game.
void determineMaxThrows(RandomSource& random, GameState& state);

// Timer events per meter step for the play type; 0 for no snap.
int speedOf(const GameState& state, std::int16_t playType);
