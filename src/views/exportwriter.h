// SPDX-License-Identifier: MIT
#pragma once

#include "storage/careerarchive.h"
#include "storage/careerrecords.h"
#include "storage/seasonstats.h"

#include <QString>
#include <vector>

struct ExportOutcome {
    bool saved = false;
    QString title; // "File Saved", or "File Not Saved" on failure
    QString text;  // "gdk.html saved to <directory>", or the failure with path and reason
};

// The exported page's name inside the data directory.
inline constexpr char exportFileName[] = "gdk.html";

// Builds the career page and replaces gdk.html in `dataDirectory` with it, each line ended by
// CR LF; a failure leaves the previous page whole. The outcome's text is what the player is
// told.
ExportOutcome runExport(const QString& dataDirectory, const std::vector<SeasonStats>& seasons,
                        const CareerRecords& records, const QString& name, const QString& point);

// The export as the player starts it: the career read afresh from `archive`, then the page
// written to gdk.html in its data directory; nothing is written when the career could not be
// read.
ExportOutcome exportCareer(CareerArchive& archive, const QString& name, const QString& point);
