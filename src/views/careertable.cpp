// SPDX-License-Identifier: MIT
#include "views/careertable.h"

#include "stats/numbertext.h"
#include "stats/passerrating.h"

#include <algorithm>

namespace {

constexpr std::size_t maxRecords = 100;

// "###.0" of numerator / attempts; a dash where there is nothing to divide by.
QString perAttemptText(std::int64_t numerator, std::int32_t attempts, const QString& point) {
    if (attempts <= 0)
        return QStringLiteral("\u2013");
    return patternText(numerator, attempts, u"###.0", point);
}

// Columns 3 to 11 of a row: the counts, the quotients and the rating of `line`.
void fillFigures(CareerRow& row, const SeasonStats& line, const QString& point) {
    row.cells[1] = wholeText(line.Games);
    row.cells[2] = wholeText(line.Comp);
    row.cells[3] = wholeText(line.Att);
    row.cells[4] = perAttemptText(std::int64_t{line.Comp} * 100, line.Att, point);
    row.cells[5] = wholeText(line.Yds);
    row.cells[6] = perAttemptText(line.Yds, line.Att, point);
    row.cells[7] = wholeText(line.TD);
    row.cells[8] = wholeText(line.Int);
    row.cells[9] = currencyText(getSeasonRating(line), point);
}

CareerRow seasonRow(const SeasonStats& season, const QString& point) {
    CareerRow row;
    row.key = wholeText(season.Season);
    row.cells[0] = row.key;
    fillFigures(row, season, point);
    return row;
}

CareerRow careerRow(const SeasonStats& totals, const QString& point) {
    CareerRow row;
    row.key = QStringLiteral("Career");
    row.cells[0] = row.key;
    fillFigures(row, totals, point);
    row.colours.fill(CellColour::Blue);
    row.colours[0] = CellColour::Red;
    return row;
}

void addToTotals(SeasonStats& totals, const SeasonStats& season) {
    totals.Games += season.Games;
    totals.Comp += season.Comp;
    totals.Att += season.Att;
    totals.Yds += season.Yds;
    totals.TD += season.TD;
    totals.Int += season.Int;
}

} // namespace

std::vector<CareerRow> careerRows(const std::vector<SeasonStats>& seasons, const QString& point) {
    std::vector<CareerRow> rows;
    SeasonStats totals;
    const std::size_t count = std::min(seasons.size(), maxRecords);
    for (std::size_t i = 0; i < count; ++i) {
        if (seasons[i].Games > 0)
            rows.push_back(seasonRow(seasons[i], point));
        // Every record read counts toward the career, listed or not.
        addToTotals(totals, seasons[i]);
    }
    if (totals.Comp > 0)
        rows.push_back(careerRow(totals, point));
    return rows;
}
