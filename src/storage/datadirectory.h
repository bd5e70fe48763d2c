// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Where the career files live: the executable's directory when a file can be made there,
// else the player's own data directory (a system-wide install), created when missing. A
// system directory (below /usr, /bin, /sbin or /opt) is never used, even when it could be
// written, as it can be by root: a player's career does not belong among the programs.
QString chooseDataDirectory(const QString& executableDirectory);

bool isSystemDirectory(const QString& directory);

// The directory as the player should read it: clean, native, no trailing separator.
QString shownDirectory(const QString& directory);
