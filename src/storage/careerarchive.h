// SPDX-License-Identifier: MIT
#pragma once

#include "storage/careerrecords.h"
#include "storage/result.h"
#include "storage/seasonstats.h"

#include <QString>
#include <vector>

// The career exactly as its files hold it.
struct StoredCareer {
    std::vector<SeasonStats> seasons;
    CareerRecords records;
};

// The seasons as a view that writes nothing shows them, and what it must say of them: why
// none could be read, or which were left out as damaged; empty when all of them could be read.
struct PeekedSeasons {
    std::vector<SeasonStats> seasons;
    QString note;
};

// The stored career as the career window, the records window and the export read it: afresh
// at every call, so each opening shows the files as they are now. Reading takes no lock: every
// file is replaced whole, so a reader always sees a whole file.
class CareerArchive {
public:
    virtual ~CareerArchive() = default;
    // The stored seasons in record order; empty when there are none.
    virtual std::vector<SeasonStats> loadSeasons() = 0;
    // The stored seasons for a view that writes nothing: a missing file is not created, and a
    // damaged one is told as loadSeasons tells it but left as it is, with what could be read of
    // it returned.
    virtual PeekedSeasons peekSeasons() = 0;
    // The records; all zero when none are kept yet.
    virtual CareerRecords loadRecords() = 0;
    // Both files as they are, nothing mended and nothing told: for the export, which writes
    // only from a career it could read, and creates a missing file only then. The failure names
    // each file that could not be read or is damaged, and the reason.
    virtual Result<StoredCareer> readCareer() = 0;
    // Where the career files, and the exported page, live.
    virtual QString dataDirectory() const = 0;
};
