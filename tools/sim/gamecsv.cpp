// SPDX-License-Identifier: MIT
#include "gamecsv.h"

#include "play/gamestate.h"

#include <QStringList>
#include <cstdint>
#include <initializer_list>

QString gameCsvHeader() {
    return QStringLiteral(
        "MaxThrows,ShortSpeed,MediumSpeed,LongSpeed,BlitzSpeed,GameAttempts,GameCompletions,"
        "GameYards,GameTDs,GameINTs,LongestInRow,"
        "GameShortAttempts,GameShortCompletions,GameShortYards,GameShortTDs,GameShortINTs,"
        "GameMediumAttempts,GameMediumCompletions,GameMediumYards,GameMediumTDs,GameMediumINTs,"
        "GameLongAttempts,GameLongCompletions,GameLongYards,GameLongTDs,GameLongINTs,"
        "GameBlitzAttempts,GameBlitzCompletions,GameBlitzYards,GameBlitzTDs,GameBlitzINTs");
}

QString gameCsvLine(const GameState& s) {
    QStringList cells;
    for (const std::int16_t value : {s.MaxThrows,
                                     s.ShortSpeed,
                                     s.MediumSpeed,
                                     s.LongSpeed,
                                     s.BlitzSpeed,
                                     s.GameAttempts,
                                     s.GameCompletions,
                                     s.GameYards,
                                     s.GameTDs,
                                     s.GameINTs,
                                     s.LongestInRow,
                                     s.GameShortAttempts,
                                     s.GameShortCompletions,
                                     s.GameShortYards,
                                     s.GameShortTDs,
                                     s.GameShortINTs,
                                     s.GameMediumAttempts,
                                     s.GameMediumCompletions,
                                     s.GameMediumYards,
                                     s.GameMediumTDs,
                                     s.GameMediumINTs,
                                     s.GameLongAttempts,
                                     s.GameLongCompletions,
                                     s.GameLongYards,
                                     s.GameLongTDs,
                                     s.GameLongINTs,
                                     s.GameBlitzAttempts,
                                     s.GameBlitzCompletions,
                                     s.GameBlitzYards,
                                     s.GameBlitzTDs,
                                     s.GameBlitzINTs})
        cells << QString::number(value);
    return cells.join(u',');
}
