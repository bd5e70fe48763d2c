// SPDX-License-Identifier: MIT
#include "views/passingtexts.h"

#include "stats/numbertext.h"

namespace {

const QString noAttempt = QStringLiteral("\u2013");

QString perAttemptText(std::int64_t numerator, std::int64_t attempts, QStringView pattern,
                       const QString& point) {
    if (attempts <= 0)
        return noAttempt;
    return patternText(numerator, attempts, pattern, point);
}

PassingTexts textsWith(const PasserCounts& counts, QStringView perAttempt, QString rating,
                       const QString& point) {
    return {wholeText(counts.attempts),
            wholeText(counts.completions),
            perAttemptText(counts.completions * 100, counts.attempts, perAttempt, point),
            wholeText(counts.yards),
            perAttemptText(counts.yards, counts.attempts, perAttempt, point),
            wholeText(counts.touchdowns),
            wholeText(counts.interceptions),
            std::move(rating)};
}

} // namespace

PassingTexts passingTexts(const PasserCounts& counts, const QString& point) {
    return textsWith(counts, u"###.0", decimalText(passerRating(counts), point), point);
}

PassingTexts columnPassingTexts(const PasserCounts& counts, const QString& point) {
    const QString rating =
        counts.attempts > 0 ? patternText(passerRating(counts), u"0.00", point) : noAttempt;
    return textsWith(counts, u"0.0", rating, point);
}
