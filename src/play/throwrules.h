// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>

struct GameState;
class RandomSource;

// The throw meter runs from 0 to MeterMaximum; a throw is graded by its distance from the target.
inline constexpr int MeterTarget = 40;
inline constexpr int MeterMaximum = 50;

int distanceFromTarget(int meter);

// Throw grades: 1 on target, 2 slightly off, 3 off, 4 far off.
namespace ThrowGrade {
inline constexpr std::int16_t OnTarget = 1;
inline constexpr std::int16_t SlightlyOff = 2;
inline constexpr std::int16_t Off = 3;
inline constexpr std::int16_t FarOff = 4;
} // namespace ThrowGrade

// How far from the target the meter may stop for each grade: up to OnTarget always on target;
// at ByChance on target when a draw of 1 to TwoOffDrawSides is at most the streak's threshold;
// up to SlightlyOff slightly off; at Off off; anything further far off.
namespace ThrowReach {
inline constexpr int OnTarget = 1;
inline constexpr int ByChance = 2;
inline constexpr int SlightlyOff = 4;
inline constexpr int Off = 5;
} // namespace ThrowReach

inline constexpr int TwoOffDrawSides = 9;

// A throw two off completes more often the longer the game's longest run of completions: each
// rung holds from its run length up to the next rung's.
struct StreakThreshold {
    std::int16_t fromLongestInRow;
    int threshold;
};
inline constexpr std::array<StreakThreshold, 6> TwoOffThresholds{
    {{0, 4}, {2, 5}, {4, 6}, {5, 7}, {7, 8}, {9, 9}}};

// Draws a play type 1 to 4 (reseeds first).
std::int16_t drawPlayType(RandomSource& random);

// Grades a throw by the meter's distance from the target; draws without reseeding.
std::int16_t gradeThrow(RandomSource& random, int distance, std::int16_t longestInRow);

// The speed row of a game: the slow one, one timer event per meter step more than each play
// type's speed, the middle one, or the fast one, one event less.
void drawSpeeds(RandomSource& random, GameState& state);

// The number of attempts, 20 to 42, that make up a game.
inline constexpr int MostAttemptsInGame = 42;
void drawMaxThrows(RandomSource& random, GameState& state);

// Timer events per meter step for the play type; 0 for no snap.
int speedOf(const GameState& state, std::int16_t playType);
