// SPDX-License-Identifier: MIT
#include "stats/statslines.h"

#include "play/gamestate.h"
#include "stats/numbertext.h"
#include "stats/passerrating.h"
#include "stats/percentage.h"

namespace {

QString line(const CareerLine& c, const QString& point) {
    return wholeText(c.completions) + u'-' + wholeText(c.attempts) + u' ' +
           decimalText(completionPercentage(c.completions, c.attempts), point) +
           QStringLiteral("% ") + wholeText(c.yards) + QStringLiteral(" YDS ") +
           wholeText(c.touchdowns) + QStringLiteral(" TD ") + wholeText(c.interceptions) +
           QStringLiteral(" INT ") + patternText(passerRating(c), u"###.00", point);
}

} // namespace

QString gameLine(const GameState& s, const QString& point) {
    return line(s.game, point);
}

QString seasonLine(const GameState& s, const QString& point) {
    return QStringLiteral("G ") + wholeText(s.seasonGames) + u' ' + line(s.season, point);
}

QString seasonFrameCaption(const GameState& s) {
    return QStringLiteral("Season ") + wholeText(s.seasonNumber) + QStringLiteral(" Stats");
}
