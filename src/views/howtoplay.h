// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The How to Play page: `templateHtml` with its %DISTANCES%, %RUNS%, %TARGET%, %MAXIMUM%,
// %GAMES%, %SEASONS% and %DIRECTORY% filled in; `dataDirectory` is where the files live.
QString howToPlayHtml(QString templateHtml, const QString& dataDirectory);
