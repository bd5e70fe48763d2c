// SPDX-License-Identifier: MIT
#pragma once

#include "storage/careerrecords.h"
#include "storage/seasonstats.h"

#include <QString>
#include <vector>

// The stored career as the career window, the records window and the export read it: afresh
// at every call, so each opening shows the files as they are now.
class CareerArchive {
public:
    virtual ~CareerArchive() = default;
    // The stored seasons in record order; empty when there are none.
    virtual std::vector<SeasonStats> loadSeasons() = 0;
    // The records; all zero when none are kept yet.
    virtual CareerRecords loadRecords() = 0;
    // Where the career files, and the exported page, live.
    virtual QString dataDirectory() const = 0;
};
