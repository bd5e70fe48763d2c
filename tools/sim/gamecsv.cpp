// SPDX-License-Identifier: MIT
#include "gamecsv.h"

#include "play/gamestate.h"
#include "play/throwrules.h"

#include <QStringList>

namespace {

const char* const counterNames[] = {"Attempts", "Completions", "Yards", "TDs", "INTs"};

void addCounts(QStringList& cells, const GameLine& l) {
    for (const std::int16_t count :
         {l.attempts, l.completions, l.yards, l.touchdowns, l.interceptions})
        cells << QString::number(count);
}

} // namespace

QString gameCsvHeader() {
    QStringList names{QStringLiteral("MaxThrows")};
    for (const PlayTypeInfo& type : PlayTypes)
        names << QLatin1String(type.name) + QStringLiteral("Speed");
    for (const char* counter : counterNames)
        names << QStringLiteral("Game") + QLatin1String(counter);
    names << QStringLiteral("LongestInRow");
    for (const PlayTypeInfo& type : PlayTypes)
        for (const char* counter : counterNames)
            names
                << QStringLiteral("Game%1%2").arg(QLatin1String(type.name), QLatin1String(counter));
    return names.join(u',');
}

QString gameCsvLine(const GameState& s) {
    QStringList cells{QString::number(s.maxThrows)};
    for (std::int16_t type = PlayType::Short; PlayType::isSnap(type); ++type)
        cells << QString::number(speedOf(s, type));
    addCounts(cells, s.game);
    cells << QString::number(s.longestInRow);
    for (const GameLine& line : s.gameByType)
        addCounts(cells, line);
    return cells.join(u',');
}
