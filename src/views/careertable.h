// SPDX-License-Identifier: MIT
#pragma once

#include "storage/seasonstats.h"

#include <QString>
#include <array>
#include <vector>

// The text colour of one cell of the career table.
enum class CellColour { Default, Red, Blue };

// One row of the career table: the hidden key and the ten visible cells, Season to Rating.
struct CareerRow {
    QString key;
    std::array<QString, 10> cells;
    std::array<CellColour, 10> colours{};
};

// The rows of the career table, in the order they are shown: one per stored season whose Games
// is above 0, in record order, then the career row when the total completions are above 0. The
// totals are taken over every record given; `point` is the locale's decimal separator. A listed
// season without attempts shows an en dash for Comp% and YPA.
std::vector<CareerRow> careerRows(const std::vector<SeasonStats>& seasons, const QString& point);
