// SPDX-License-Identifier: MIT
#include "stats/numbertext.h"

#include "stats/exactround.h"

namespace {

struct Pattern {
    int places = 0;
    bool forcedDigits = false;
    bool leadingDigit = false;
};

Pattern parsePattern(QStringView pattern) {
    const qsizetype dot = pattern.indexOf(u'.');
    if (dot < 0)
        return {};
    const QStringView decimals = pattern.mid(dot + 1);
    return {static_cast<int>(decimals.size()), decimals.startsWith(u'0'),
            pattern.first(dot).endsWith(u'0')};
}

QString fractionDigits(std::uint64_t fraction, int places) {
    return QString::number(fraction).rightJustified(places, u'0');
}

QString trimTrailingZeros(QString digits) {
    while (digits.endsWith(u'0'))
        digits.chop(1);
    return digits;
}

std::uint64_t magnitudeOf(std::int64_t value) {
    return value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
}

} // namespace

QString wholeText(std::int64_t value) {
    return QString::number(value);
}

QString patternText(std::int64_t numerator, std::int64_t denominator, QStringView pattern,
                    const QString& point) {
    const Pattern parsed = parsePattern(pattern);
    const std::int64_t scaled = roundQuotientToPlaces(numerator, denominator, parsed.places);
    const std::uint64_t magnitude = magnitudeOf(scaled);
    const auto unit = static_cast<std::uint64_t>(powerOfTen(parsed.places));
    const std::uint64_t whole = magnitude / unit;
    QString digits = fractionDigits(magnitude % unit, parsed.places);
    if (!parsed.forcedDigits)
        digits = trimTrailingZeros(digits);
    QString text = scaled < 0 ? QStringLiteral("-") : QString();
    if (whole != 0 || parsed.leadingDigit)
        text += QString::number(whole);
    return text + point + digits;
}

QString patternText(FixedPoint4 value, QStringView pattern, const QString& point) {
    return patternText(value.tenThousandths, 10000, pattern, point);
}

QString decimalText(FixedPoint4 value, const QString& point) {
    const std::uint64_t magnitude = magnitudeOf(value.tenThousandths);
    QString text = value.tenThousandths < 0 ? QStringLiteral("-") : QString();
    text += QString::number(magnitude / 10000);
    const QString digits = trimTrailingZeros(fractionDigits(magnitude % 10000, 4));
    if (!digits.isEmpty())
        text += point + digits;
    return text;
}
