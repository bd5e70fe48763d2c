// SPDX-License-Identifier: MIT
#include "latencysummary.h"

#include <algorithm>
#include <stdexcept>

LatencySummary summarize(std::vector<double> samplesMs) {
    if (samplesMs.empty())
        throw std::invalid_argument("no samples to summarize");
    std::sort(samplesMs.begin(), samplesMs.end());
    const std::size_t count = samplesMs.size();
    const std::size_t middle = count / 2;
    LatencySummary summary;
    summary.medianMs =
        count % 2 == 1 ? samplesMs[middle] : (samplesMs[middle - 1] + samplesMs[middle]) / 2;
    // Rank ceil(0.99 n), counted from one; computed in whole numbers so 200 samples give 198.
    const std::size_t rank = (count * 99 + 99) / 100;
    summary.p99Ms = samplesMs[rank - 1];
    summary.maxMs = samplesMs.back();
    return summary;
}

QString summaryLine(const QString& condition, const LatencySummary& summary) {
    return QStringLiteral("meter %1 median_ms=%2 p99_ms=%3 max_ms=%4")
        .arg(condition)
        .arg(summary.medianMs, 0, 'f', 2)
        .arg(summary.p99Ms, 0, 'f', 2)
        .arg(summary.maxMs, 0, 'f', 2);
}

QString stepsLine(const QString& what, const LatencySummary& steps) {
    return QStringLiteral("press %1 median_steps=%2 max_steps=%3")
        .arg(what, QString::number(steps.medianMs), QString::number(steps.maxMs));
}
