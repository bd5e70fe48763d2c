// SPDX-License-Identifier: MIT
#pragma once

#include "storage/careerrecords.h"

#include <QString>
#include <array>

// The ten values of the records window in the order they are shown: the game records (yards,
// touchdowns, interceptions, completion percentage, completions in a row), then the season
// records (yards, touchdowns, least interceptions, completion percentage, rating). Counts in
// plain decimal; percentages and ratings in their shortest form with the locale's `point`.
std::array<QString, 10> recordTexts(const CareerRecords& records, const QString& point);
