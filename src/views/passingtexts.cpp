// SPDX-License-Identifier: MIT
#include "views/passingtexts.h"

#include "stats/numbertext.h"

namespace {

QString perAttemptText(std::int64_t numerator, std::int64_t attempts, const QString& point) {
    if (attempts <= 0)
        return QStringLiteral("\u2013");
    return patternText(numerator, attempts, u"###.0", point);
}

} // namespace

PassingTexts passingTexts(const PasserCounts& counts, const QString& point) {
    return {wholeText(counts.attempts),
            wholeText(counts.completions),
            perAttemptText(counts.completions * 100, counts.attempts, point),
            wholeText(counts.yards),
            perAttemptText(counts.yards, counts.attempts, point),
            wholeText(counts.touchdowns),
            wholeText(counts.interceptions),
            currencyText(passerRating(counts), point)};
}
