// SPDX-License-Identifier: MIT
#include "play/throwrules.h"

#include "play/draws.h"
#include "play/gamestate.h"
#include "play/playtype.h"
#include "play/randomsource.h"

#include <cstdlib>

namespace {

// The threshold of the highest rung the run has reached.
int twoOffThreshold(std::int16_t longestInRow) {
    int threshold = TwoOffThresholds.front().threshold;
    for (const StreakThreshold& rung : TwoOffThresholds)
        if (longestInRow >= rung.fromLongestInRow)
            threshold = rung.threshold;
    return threshold;
}

} // namespace

std::int16_t drawPlayType(RandomSource& random) {
    random.reseed();
    const int r = drawRounded(random, 99) + 1;
    if (r <= 35)
        return PlayType::Long;
    if (r <= 70)
        return PlayType::Short;
    if (r <= 91)
        return PlayType::Medium;
    return PlayType::Blitz;
}

int distanceFromTarget(int meter) {
    return std::abs(MeterTarget - meter);
}

std::int16_t gradeThrow(RandomSource& random, int distance, std::int16_t longestInRow) {
    if (distance <= ThrowReach::OnTarget)
        return ThrowGrade::OnTarget;
    if (distance == ThrowReach::ByChance) {
        const int k = drawFloorPlusOne(random, TwoOffDrawSides);
        return k <= twoOffThreshold(longestInRow) ? ThrowGrade::OnTarget : ThrowGrade::SlightlyOff;
    }
    if (distance <= ThrowReach::SlightlyOff)
        return ThrowGrade::SlightlyOff;
    if (distance == ThrowReach::Off)
        return ThrowGrade::Off;
    return ThrowGrade::FarOff;
}

void drawSpeeds(RandomSource& random, GameState& state) {
    random.reseed();
    const int r = drawRounded(random, 9) + 1;
    // 1 is the slow meter, 10 the fast one; each step of the row differs by one event.
    state.speedShift = static_cast<std::int16_t>(r == 1 ? 1 : (r == 10 ? -1 : 0));
}

void drawMaxThrows(RandomSource& random, GameState& state) {
    random.reseed();
    const int r = drawRounded(random, 9) + 1;
    int base = 26;
    if (r == 1)
        base = 20;
    else if (r == 8)
        base = 30;
    else if (r == 9)
        base = 33;
    else if (r == 10)
        base = 36;
    state.maxThrows = static_cast<std::int16_t>(base + drawRounded(random, 6));
}

int speedOf(const GameState& state, std::int16_t playType) {
    return PlayType::isSnap(playType) ? PlayType::info(playType).speed + state.speedShift : 0;
}
