// SPDX-License-Identifier: MIT
#pragma once

#include "storage/careerarchive.h"
#include "storage/careerrecords.h"
#include "storage/seasonstats.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

// A seam for tests: called before each line is written with that line's index; a non-empty
// result makes the write fail there with it as the reason.
using PageWriteFault = std::function<QString(qsizetype lineIndex)>;

// Writes the lines, each ended by CR LF, as ASCII-safe Latin-1, replacing the file at `path` as
// a whole: a failed write leaves the previous file untouched. Returns empty on success, or the
// path and the system's reason.
QString writePageLines(const QString& path, const QStringList& lines,
                       const PageWriteFault& fault = {});

struct ExportOutcome {
    bool saved = false;
    QString title; // "File Saved", or "File Not Saved" on failure
    QString text;  // "gdk.html saved to <directory>", or the failure with path and reason
};

// The exported page's name inside the data directory.
inline constexpr char exportFileName[] = "gdk.html";

// Builds the career page and writes it to gdk.html in `dataDirectory`; the outcome's text is
// what the player is told.
ExportOutcome runExport(const QString& dataDirectory, const std::vector<SeasonStats>& seasons,
                        const CareerRecords& records, const QString& name, const QString& point,
                        const PageWriteFault& fault = {});

// The export as the player starts it: the career read afresh from `archive`, then the page
// written to gdk.html in its data directory.
ExportOutcome exportCareer(CareerArchive& archive, const QString& name, const QString& point);
