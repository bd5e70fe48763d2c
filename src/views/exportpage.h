// SPDX-License-Identifier: MIT
#pragma once

#include "storage/careerrecords.h"
#include "storage/seasonstats.h"

#include <QStringList>
#include <vector>

// The exported career page, one entry per line and without line ends: the heading with the
// quarterback's name (HTML-escaped), a row per stored season whose Games is above 0, the career
// row, the game and season records and the footer link.
// 93 + 16 × n lines for n listed seasons. `point` is the locale's decimal separator.
QStringList exportPageLines(const std::vector<SeasonStats>& seasons, const CareerRecords& records,
                            const QString& name, const QString& point);
