// SPDX-License-Identifier: MIT
#pragma once

#include "stats/fixedpoint4.h"

#include <QString>
#include <cstdint>

// The number texts the game shows and writes. `point` is the decimal separator of the user's
// locale, passed in so that the rules never read a global locale.

// A count in plain decimal: no padding, no group separators.
QString wholeText(std::int64_t value);

// The exact value numerator / denominator written with one of the patterns "###.0", "###.#",
// "###.##", "###.###" and "###.00", or "0.0" and "0.00": rounded half away from zero to the
// places after the point; a '0' place always writes a digit, a '#' place writes no trailing
// zero (the point stays), and no digit stands before the point when the whole part is 0 unless
// the pattern has a '0' there.
QString patternText(std::int64_t numerator, std::int64_t denominator, QStringView pattern,
                    const QString& point);

QString patternText(FixedPoint4 value, QStringView pattern, const QString& point);

// Shortest form of a four-decimal value: trailing zeros and a trailing point dropped, a zero before
// the point below 1 (62.5, 100, 0.3, 0).
QString decimalText(FixedPoint4 value, const QString& point);
