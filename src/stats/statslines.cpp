// SPDX-License-Identifier: MIT
#include "stats/statslines.h"

#include "play/gamestate.h"
#include "stats/numbertext.h"
#include "stats/passerrating.h"
#include "stats/percentage.h"

namespace {

QString line(std::int64_t completions, std::int64_t attempts, std::int64_t yards,
             std::int64_t touchdowns, std::int64_t interceptions, Currency rating,
             const QString& point) {
    return wholeText(completions) + u'-' + wholeText(attempts) + u' ' +
           currencyText(completionPercentage(completions, attempts), point) + QStringLiteral("% ") +
           wholeText(yards) + QStringLiteral(" YDS ") + wholeText(touchdowns) +
           QStringLiteral(" TD ") + wholeText(interceptions) + QStringLiteral(" INT ") +
           patternText(rating, u"###.00", point);
}

} // namespace

QString gameLine(const GameState& s, const QString& point) {
    return line(s.GameCompletions, s.GameAttempts, s.GameYards, s.GameTDs, s.GameINTs,
                getQBRating(s), point);
}

QString seasonLine(const GameState& s, const QString& point) {
    return QStringLiteral("G ") + wholeText(s.SeasonGames) + u' ' +
           line(s.SeasonCompletions, s.SeasonAttempts, s.SeasonYards, s.SeasonTDs, s.SeasonINTs,
                getCareerQBRating(s), point);
}

QString seasonFrameCaption(const GameState& s) {
    return QStringLiteral("Season ") + wholeText(s.SeasonNumber) + QStringLiteral(" Stats");
}
