// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <cstdint>

// Plays a few passes of a new game on the real window over the career in `careerDir` (none:
// an empty one), snaps once more and, with the meter partly filled and the play called, saves
// the window as a PNG picture. Empty on success, otherwise what went wrong.
QString takeScreenshot(const QString& file, std::uint64_t seed, const QString& careerDir);

// Saves the Pass Types window over the career in `careerDir` as a PNG picture. Empty on
// success, otherwise what went wrong.
QString takePassTypesPicture(const QString& file, const QString& careerDir);
