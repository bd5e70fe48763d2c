// SPDX-License-Identifier: MIT
#pragma once

#include "storage/seasonstats.h"
#include "views/chartstyle.h"
#include "views/passingtexts.h"

#include <QStringList>
#include <vector>

// The lines a play-type view shows: one per play type, in the order of their codes, then All.
inline constexpr std::size_t ViewLineCount = PlayType::Count + 1;

// A season's line of them: a play type's, or its own totals (All).
const SeasonLine& viewLine(const SeasonStats& season, std::size_t line);

// "Short Pass", "Medium Pass", "Long Pass", "BLITZ!" or "All".
QString viewLineName(std::size_t line);
const ChartStyle& viewLineStyle(std::size_t line);

// The numbers of the stored seasons that have been played (Games above 0), in record order.
std::vector<int> playedSeasons(const std::vector<SeasonStats>& seasons);

// The span a play-type table covers: the whole career, or one season by its number.
inline constexpr int CareerSpan = 0;

struct PlayTypeRow {
    QString name;
    PassingTexts texts;

    // The row's cells from the left: the name, Att, Comp, Comp%, Yds, YPA, TD, Int and Rating.
    QStringList cells() const;
};

// One row per view line for the span; the career sums every stored record, as the career
// window's totals do. No rows when no season has been played or the span is no played season.
std::vector<PlayTypeRow> playTypeRows(const std::vector<SeasonStats>& seasons, int span,
                                      const QString& point);
