// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

// Where the career files live, chosen without reading or creating anything, so that a career
// is never hidden: the executable's directory when it holds gdk.dat or gdk.rec, whether or not
// it can be written; else that directory when it can be written; else the player's own data
// directory. A system directory (below /usr, /bin, /sbin or /opt) is never used, even when it
// could be written, as it can be by root: a player's career does not belong among the programs.
QString chooseDataDirectory(const QString& executableDirectory);

// The player's own data directory, clean, whether or not it exists yet.
QString playerDataDirectory();

bool isSystemDirectory(const QString& directory);

// The career files the directory holds: gdk.dat and gdk.rec, those that exist.
QStringList careerFilesIn(const QString& directory);

// Makes the directory where it is missing and checks that it can be written; returns the
// system's reason when it cannot, or empty.
QString directoryWriteProblem(const QString& directory);

// The directory as the player should read it: clean, native, no trailing separator.
QString shownDirectory(const QString& directory);
