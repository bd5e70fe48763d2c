// SPDX-License-Identifier: MIT
#pragma once

#include "stats/passingline.h"

#include <QString>

// One line of passing as the career views write it: the counts in plain decimal, Comp% and YPA
// with "###.0" (an en dash where there are no attempts to divide by), and the passer rating in
// its shortest form.
struct PassingTexts {
    PassingLine<QString> counts;
    QString percentage;
    QString perAttempt;
    QString rating;
};

// `point` is the locale's decimal separator.
PassingTexts passingTexts(const CareerLine& line, const QString& point);

// The same line for a column of figures that reads at a glance: Comp% and YPA always with one
// decimal, the passer rating with two, each with a digit before the point (0.0, 37.2, 0.00);
// an en dash for all three where there are no attempts.
PassingTexts columnPassingTexts(const CareerLine& line, const QString& point);
