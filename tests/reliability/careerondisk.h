// SPDX-License-Identifier: MIT
#pragma once

#include "support/recordingmessenger.h"

#include "storage/filecareer.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <vector>

// A career directory as the game finds it on its next start.
struct CareerOnDisk {
    qint64 seasonsSize = 0;
    qint64 recordsSize = 0;
    std::vector<SeasonStats> seasons;
    CareerRecords records;
    QStringList messages; // "title: text" of everything the reading had to say

    qint64 total(std::int32_t SeasonStats::*field) const {
        qint64 sum = 0;
        for (const SeasonStats& season : seasons)
            sum += season.*field;
        return sum;
    }
};

inline CareerOnDisk readCareer(const QString& directory) {
    CareerOnDisk career;
    // The sizes are taken first: reading creates a missing file.
    career.seasonsSize = QFileInfo(QDir(directory).filePath(QStringLiteral("gdk.dat"))).size();
    career.recordsSize = QFileInfo(QDir(directory).filePath(QStringLiteral("gdk.rec"))).size();
    RecordingMessenger messenger;
    FileCareer files(directory, messenger);
    career.seasons = files.loadSeasons();
    career.records = files.loadRecords();
    for (const RecordingMessenger::Message& message : messenger.messages())
        career.messages << message.title + QStringLiteral(": ") + message.text;
    return career;
}

// Whatever the directory holds besides the career files and the exported page.
inline QStringList strayFiles(const QString& directory) {
    QStringList names =
        QDir(directory).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const char* own : {"gdk.dat", "gdk.rec", "gdk.html"})
        names.removeAll(QString::fromLatin1(own));
    return names;
}
