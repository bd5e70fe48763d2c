// SPDX-License-Identifier: MIT
#include "stats/yardage.h"

#include "play/draws.h"
#include "play/gamestate.h"
#include "play/mainview.h"
#include "play/playcontext.h"
#include "play/playtype.h"
#include "play/randomsource.h"
#include "stats/numbertext.h"

#include <array>
#include <cmath>
#include <cstdlib>

namespace {

struct YardageRow {
    int base;
    int span;
    int touchdownThreshold; // 0: this row never scores
};

// Rows by play type 1 to 4, then by distance 0 to 2 from the target.
constexpr std::array<std::array<YardageRow, 3>, 4> yardageTable{{
    {{{6, 6, 1}, {2, 6, 0}, {0, 5, 0}}},
    {{{6, 15, 2}, {6, 11, 1}, {5, 5, 0}}},
    {{{15, 35, 3}, {10, 25, 2}, {5, 15, 1}}},
    {{{10, 50, 4}, {10, 20, 3}, {10, 15, 2}}},
}};

void add(std::int16_t& counter, int amount) {
    counter = static_cast<std::int16_t>(counter + amount);
}

} // namespace

void figureYards(PlayContext& play, std::int16_t playType) {
    play.random.reseed();
    const int distance = std::abs(MeterTarget - play.view.meter);
    int yards = 0;
    bool touchdown = false;
    if (PlayType::isSnap(playType) && distance <= 2) {
        const YardageRow& row = yardageTable[playType - 1][distance];
        yards = row.base + drawRounded(play.random, row.span);
        if (row.touchdownThreshold > 0)
            touchdown = drawRounded(play.random, 9) + 1 <= row.touchdownThreshold;
    }
    const PlayTypeCounters block = play.state.countersOf(playType);
    if (touchdown) {
        increment(play.state.GameTDs);
        increment(*block.tds);
    }
    if (PlayType::isSnap(playType)) {
        add(play.state.GameYards, yards);
        add(*block.yards, yards);
    }
    play.view.currentThrow =
        PlayType::name(playType) + u' ' + wholeText(yards) +
        (touchdown ? QStringLiteral(" yards TOUCHDOWN!") : QStringLiteral(" yard gain"));
    if (touchdown)
        play.view.picture = Picture::Referee;
}
