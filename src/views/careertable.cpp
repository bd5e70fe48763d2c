// SPDX-License-Identifier: MIT
#include "views/careertable.h"

#include "stats/numbertext.h"
#include "stats/passerrating.h"

#include <algorithm>

namespace {

constexpr std::size_t maxRecords = 100;

// The counts of one row: the games and the passing counts, summed over a career in 64 bits.
struct RowCounts {
    std::int64_t games = 0;
    PasserCounts passing;
};

// "###.0" of numerator / attempts; a dash where there is nothing to divide by.
QString perAttemptText(std::int64_t numerator, std::int64_t attempts, const QString& point) {
    if (attempts <= 0)
        return QStringLiteral("\u2013");
    return patternText(numerator, attempts, u"###.0", point);
}

// Columns 3 to 11 of a row: the counts, the quotients and the rating of `line`.
void fillFigures(CareerRow& row, const RowCounts& line, const QString& point) {
    const PasserCounts& p = line.passing;
    row.cells[1] = wholeText(line.games);
    row.cells[2] = wholeText(p.completions);
    row.cells[3] = wholeText(p.attempts);
    row.cells[4] = perAttemptText(p.completions * 100, p.attempts, point);
    row.cells[5] = wholeText(p.yards);
    row.cells[6] = perAttemptText(p.yards, p.attempts, point);
    row.cells[7] = wholeText(p.touchdowns);
    row.cells[8] = wholeText(p.interceptions);
    row.cells[9] = currencyText(passerRating(p), point);
}

CareerRow seasonRow(const SeasonStats& season, const QString& point) {
    CareerRow row;
    row.key = wholeText(season.Season);
    row.cells[0] = row.key;
    fillFigures(row, {season.Games, seasonCounts(season)}, point);
    return row;
}

CareerRow careerRow(const RowCounts& totals, const QString& point) {
    CareerRow row;
    row.key = QStringLiteral("Career");
    row.cells[0] = row.key;
    fillFigures(row, totals, point);
    row.colours.fill(CellColour::Blue);
    row.colours[0] = CellColour::Red;
    return row;
}

void addToTotals(RowCounts& totals, const SeasonStats& season) {
    totals.games += season.Games;
    totals.passing += seasonCounts(season);
}

} // namespace

std::vector<CareerRow> careerRows(const std::vector<SeasonStats>& seasons, const QString& point) {
    std::vector<CareerRow> rows;
    RowCounts totals;
    const std::size_t count = std::min(seasons.size(), maxRecords);
    for (std::size_t i = 0; i < count; ++i) {
        if (seasons[i].Games > 0)
            rows.push_back(seasonRow(seasons[i], point));
        // Every record read counts toward the career, listed or not.
        addToTotals(totals, seasons[i]);
    }
    if (totals.passing.completions > 0)
        rows.push_back(careerRow(totals, point));
    return rows;
}
