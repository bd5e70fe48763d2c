// SPDX-License-Identifier: MIT
#include "views/passingtexts.h"

#include "stats/numbertext.h"
#include "stats/passerrating.h"

namespace {

const QString noAttempt = QStringLiteral("\u2013");

QString perAttemptText(std::int64_t numerator, std::int64_t attempts, QStringView pattern,
                       const QString& point) {
    if (attempts <= 0)
        return noAttempt;
    return patternText(numerator, attempts, pattern, point);
}

PassingTexts textsWith(const CareerLine& line, QStringView perAttempt, QString rating,
                       const QString& point) {
    return {{wholeText(line.attempts), wholeText(line.completions), wholeText(line.yards),
             wholeText(line.touchdowns), wholeText(line.interceptions)},
            perAttemptText(line.completions * 100, line.attempts, perAttempt, point),
            perAttemptText(line.yards, line.attempts, perAttempt, point),
            std::move(rating)};
}

} // namespace

PassingTexts passingTexts(const CareerLine& line, const QString& point) {
    return textsWith(line, u"###.0", decimalText(passerRating(line), point), point);
}

PassingTexts columnPassingTexts(const CareerLine& line, const QString& point) {
    const QString rating =
        line.attempts > 0 ? patternText(passerRating(line), u"0.00", point) : noAttempt;
    return textsWith(line, u"0.0", rating, point);
}
