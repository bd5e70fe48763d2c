// SPDX-License-Identifier: MIT
#pragma once

#include "storage/seasonstats.h"
#include "views/passingtexts.h"

#include <array>
#include <vector>

// The lines of passing a pass-type view shows: Short, Medium, Long, Blitz, then All.
inline constexpr std::size_t PassLineCount = 5;
using PassLines = std::array<PasserCounts, PassLineCount>;

// A season's counts of each play type, then its own totals (All).
PassLines passLines(const SeasonStats& season);

// "Short Pass", "Medium Pass", "Long Pass", "BLITZ!" or "All".
QString passLineName(std::size_t line);

// The numbers of the stored seasons that have been played (Games above 0), in record order.
std::vector<int> playedSeasons(const std::vector<SeasonStats>& seasons);

// The span a pass-type table covers: the whole career, or one season by its number.
inline constexpr int CareerSpan = 0;

struct PassTypeRow {
    QString name;
    PassingTexts texts;
};

// One row per pass line for the span; the career sums every stored record, as the career
// window's totals do. No rows when no season has been played or the span is no played season.
std::vector<PassTypeRow> passTypeRows(const std::vector<SeasonStats>& seasons, int span,
                                      const QString& point);
