// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <vector>

// How late a series of events came, in milliseconds.
struct LatencySummary {
    double medianMs = 0;
    double p99Ms = 0;
    double maxMs = 0;
};

// The median (the mean of the two middle values for an even count) and the 99th percentile by
// nearest rank, so that it is always one of the samples. At least one sample is required.
LatencySummary summarize(std::vector<double> samplesMs);

// "meter <condition> median_ms=M p99_ms=P max_ms=X", two decimals each.
QString summaryLine(const QString& condition, const LatencySummary& summary);

// "press <what> median_steps=M max_steps=X" for a summary of meter steps; the median of an even
// count may end in .5.
QString stepsLine(const QString& what, const LatencySummary& steps);
