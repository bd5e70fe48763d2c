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
    for (const std::int16_t value :
         {s.maxThrows, s.shortSpeed, s.mediumSpeed, s.longSpeed, s.blitzSpeed, s.gameAttempts,
          s.gameCompletions, s.gameYards, s.gameTouchdowns, s.gameInterceptions, s.longestInRow})
        cells << QString::number(value);
    for (std::size_t line = 1; line < GamePassingFields.size(); ++line)
        for (const auto field : GamePassingFields[line])
            cells << QString::number(s.*field);
    return cells.join(u',');
}
