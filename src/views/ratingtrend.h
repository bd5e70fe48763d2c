// SPDX-License-Identifier: MIT
#pragma once

#include "stats/fixedpoint4.h"
#include "storage/seasonstats.h"
#include "views/playtypetable.h"

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

// The passer rating of one season on a line of the chart.
struct RatingPoint {
    int season = 0;
    FixedPoint4 rating;
};

// One view line across the seasons: a point for every played season in which it was thrown.
struct RatingLine {
    QString name;
    std::vector<RatingPoint> points;
};

// The chart of passer rating by season: seasons 1 to `lastSeason` across, one line per view line.
struct RatingTrend {
    int lastSeason = 0; // 0: no season has been played
    std::array<RatingLine, ViewLineCount> lines;
    QString emptyText; // shown in place of the lines when there is nothing to plot
};

// The rating axis runs from 0 to RatingAxisTop with a tick every RatingAxisStep; the highest
// rating a passer can reach is drawn as a line of its own, below the top.
inline constexpr int RatingAxisTop = 160;
inline constexpr int RatingAxisStep = 40;
// The tick labels from the bottom: "0" to "160".
QStringList ratingAxisLabels();
FixedPoint4 highestRating();
// The highest rating's line is labelled "max 158.33".
QString highestRatingText(const QString& decimalPoint);
// The rating axis's title.
QString ratingAxisTitle();

// `note` says why the seasons are not all there (unread, or left out as damaged); it is shown
// when nothing can be plotted, and otherwise that no season has been played.
RatingTrend ratingTrend(const std::vector<SeasonStats>& seasons, const QString& note = {});

// What one point says on hover: "Long Pass, season 2: 95.83".
QString ratingPointText(const RatingLine& line, const RatingPoint& point,
                        const QString& decimalPoint);

// The chart read out: every line with its values, or that no season has been played.
QString ratingTrendDescription(const RatingTrend& trend, const QString& decimalPoint);
