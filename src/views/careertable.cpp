// SPDX-License-Identifier: MIT
#include "views/careertable.h"

#include "stats/numbertext.h"
#include "views/passingtexts.h"

namespace {

// The counts of one row: the games and the line of passing, summed over a career in 64 bits.
struct RowCounts {
    std::int64_t games = 0;
    CareerLine passing;
};

// Columns 3 to 11 of a row: the counts, the quotients and the rating of `line`.
void fillFigures(CareerRow& row, const RowCounts& line, const QString& point) {
    const PassingTexts texts = passingTexts(line.passing, point);
    row.cells[1] = wholeText(line.games);
    row.cells[2] = texts.counts.completions;
    row.cells[3] = texts.counts.attempts;
    row.cells[4] = texts.percentage;
    row.cells[5] = texts.counts.yards;
    row.cells[6] = texts.perAttempt;
    row.cells[7] = texts.counts.touchdowns;
    row.cells[8] = texts.counts.interceptions;
    row.cells[9] = texts.rating;
}

CareerRow seasonRow(const SeasonStats& season, const QString& point) {
    CareerRow row;
    row.key = wholeText(season.number);
    row.cells[0] = row.key;
    fillFigures(row, {season.games, season.total}, point);
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
    totals.games += season.games;
    totals.passing += season.total;
}

} // namespace

std::vector<CareerRow> careerRows(const std::vector<SeasonStats>& seasons, const QString& point) {
    std::vector<CareerRow> rows;
    RowCounts totals;
    for (const SeasonStats& season : seasons) {
        if (season.games > 0)
            rows.push_back(seasonRow(season, point));
        // Every record read counts toward the career, listed or not.
        addToTotals(totals, season);
    }
    if (totals.passing.completions > 0)
        rows.push_back(careerRow(totals, point));
    return rows;
}
