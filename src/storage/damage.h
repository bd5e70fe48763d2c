// SPDX-License-Identifier: MIT
#pragma once

#include "storage/careerrecords.h"
#include "storage/seasonstats.h"

#include <QByteArray>
#include <QString>
#include <vector>

// What a career file holds once read, and what is wrong with it (empty when nothing is).
// A damaged file still gives what can safely be used: the whole records, with any season that
// cannot be true (games outside 0 to 16, negative totals) emptied.
struct SeasonsContent {
    std::vector<SeasonStats> seasons;
    QString problem;
};

struct RecordsContent {
    CareerRecords records;
    QString problem;
};

SeasonsContent readSeasonsContent(const QByteArray& bytes);
RecordsContent readRecordsContent(const QByteArray& bytes);

QByteArray seasonsBytes(const std::vector<SeasonStats>& seasons);
