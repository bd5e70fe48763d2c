// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Where the career files live: the executable's directory when a file can be made there,
// else the player's own data directory (a system-wide install), created when missing.
QString chooseDataDirectory(const QString& executableDirectory);
