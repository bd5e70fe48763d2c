// SPDX-License-Identifier: MIT
#include "views/ratingtrend.h"

#include "stats/numbertext.h"
#include "stats/passerrating.h"

#include <QStringList>

RatingTrend ratingTrend(const std::vector<SeasonStats>& seasons, const QString& note) {
    RatingTrend trend;
    trend.emptyText = note.isEmpty() ? QStringLiteral("No season has been played yet.") : note;
    for (std::size_t line = 0; line < ViewLineCount; ++line)
        trend.lines[line].name = viewLineName(line);
    for (const int number : playedSeasons(seasons)) {
        const SeasonStats& season = seasons[static_cast<std::size_t>(number) - 1];
        for (std::size_t line = 0; line < ViewLineCount; ++line)
            // A pass never thrown that season has no rating to show, only a gap.
            if (viewLine(season, line).attempts > 0)
                trend.lines[line].points.push_back({number, passerRating(viewLine(season, line))});
        trend.lastSeason = number;
    }
    return trend;
}

QString ratingPointText(const RatingLine& line, const RatingPoint& point,
                        const QString& decimalPoint) {
    return QStringLiteral("%1, season %2: %3")
        .arg(line.name, wholeText(point.season), decimalText(point.rating, decimalPoint));
}

QString ratingTrendDescription(const RatingTrend& trend, const QString& decimalPoint) {
    if (trend.lastSeason == 0)
        return trend.emptyText;
    QStringList parts{
        QStringLiteral("Passer rating by season, seasons 1 to %1.").arg(trend.lastSeason)};
    for (const RatingLine& line : trend.lines) {
        QStringList values;
        for (const RatingPoint& point : line.points)
            values << QStringLiteral("season %1 %2")
                          .arg(wholeText(point.season), decimalText(point.rating, decimalPoint));
        parts << line.name + QStringLiteral(": ") +
                     (values.isEmpty() ? QStringLiteral("never thrown") : values.join(u", ")) +
                     u'.';
    }
    return parts.join(u' ');
}

QStringList ratingAxisLabels() {
    QStringList labels;
    for (int rating = 0; rating <= RatingAxisTop; rating += RatingAxisStep)
        labels << wholeText(rating);
    return labels;
}

FixedPoint4 highestRating() {
    // A perfect line: every one of the four components at its bound.
    return passerRating({.attempts = 1, .completions = 1, .yards = 20, .touchdowns = 1});
}

QString highestRatingText(const QString& decimalPoint) {
    return QStringLiteral("max ") + decimalText(highestRating(), decimalPoint);
}

QString ratingAxisTitle() {
    return QStringLiteral("Passer rating");
}
