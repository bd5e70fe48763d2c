// SPDX-License-Identifier: MIT
#include "gamecsv.h"

#include "play/gamestate.h"

#include <QStringList>

namespace {

// The twenty block counters, named as the game state names them.
QStringList blockNames() {
    QStringList names;
    for (const char* type : {"Short", "Medium", "Long", "Blitz"})
        for (const char* counter : {"Attempts", "Completions", "Yards", "TDs", "INTs"})
            names << QStringLiteral("Game%1%2").arg(QLatin1String(type), QLatin1String(counter));
    return names;
}

} // namespace

QString gameCsvHeader() {
    return QStringLiteral("MaxThrows,ShortSpeed,MediumSpeed,LongSpeed,BlitzSpeed,GameAttempts,"
                          "GameCompletions,GameYards,GameTDs,GameINTs,LongestInRow,") +
           blockNames().join(u',');
}

QString gameCsvLine(const GameState& s) {
    QStringList cells;
    const auto add = [&](const GameLine& l) {
        for (const std::int16_t count :
             {l.attempts, l.completions, l.yards, l.touchdowns, l.interceptions})
            cells << QString::number(count);
    };
    for (const std::int16_t value :
         {s.maxThrows, s.shortSpeed, s.mediumSpeed, s.longSpeed, s.blitzSpeed})
        cells << QString::number(value);
    add(s.game);
    cells << QString::number(s.longestInRow);
    for (const GameLine& line : s.gameByType)
        add(line);
    return cells.join(u',');
}
