// SPDX-License-Identifier: MIT
#include "storage/seasonaddition.h"

#include "play/gamestate.h"
#include "storage/seasonstats.h"

SeasonStats addGameToSeason(SeasonStats s, const GameState& g) {
    s.Att += g.GameAttempts;
    s.Comp += g.GameCompletions;
    s.Yds += g.GameYards;
    s.TD += g.GameTDs;
    s.Int += g.GameINTs;
    s.ShortAtt += g.GameShortAttempts;
    s.ShortComp += g.GameShortCompletions;
    s.ShortYds += g.GameShortYards;
    s.ShortTD += g.GameShortTDs;
    s.ShortInt += g.GameShortINTs;
    s.MediumAtt += g.GameMediumAttempts;
    s.MediumComp += g.GameMediumCompletions;
    s.MediumYds += g.GameMediumYards;
    s.MediumTD += g.GameMediumTDs;
    s.MediumInt += g.GameMediumINTs;
    s.LongAtt += g.GameLongAttempts;
    s.LongComp += g.GameLongCompletions;
    s.LongYds += g.GameLongYards;
    s.LongTD += g.GameLongTDs;
    s.LongInt += g.GameLongINTs;
    s.BlitzAtt += g.GameBlitzAttempts;
    s.BlitzComp += g.GameBlitzCompletions;
    s.BlitzYds += g.GameBlitzYards;
    s.BlitzTD += g.GameBlitzTDs;
    s.BlitzInt += g.GameBlitzINTs;
    ++s.Games;
    return s;
}
