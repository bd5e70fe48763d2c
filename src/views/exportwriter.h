// SPDX-License-Identifier: MIT
#pragma once

#include "storage/careerarchive.h"
#include "storage/careerrecords.h"
#include "storage/message.h"
#include "storage/seasonstats.h"

#include <QString>
#include <vector>

// The exported page's name inside the data directory.
inline constexpr char exportFileName[] = "gdk.html";

// Builds the career page and replaces gdk.html in `dataDirectory` with it, each line ended by
// CR LF; a failure leaves the previous page whole. What the player is told: "File Saved",
// "gdk.html saved to <directory>" as information, or "File Not Saved" with the failure's path
// and reason as a warning.
Message runExport(const QString& dataDirectory, const std::vector<SeasonStats>& seasons,
                  const CareerRecords& records, const QString& name, const QString& point);

// The export as the player starts it: the career read afresh from `archive`, then the page
// written to gdk.html in its data directory; nothing is written when the career could not be
// read.
Message exportCareer(CareerArchive& archive, const QString& name, const QString& point);
