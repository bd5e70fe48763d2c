// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QRegularExpression>
#include <QString>

// A number as the test tables write it: a decimal, or a fraction such as 34.5/99 for a draw
// that must land exactly on a band's edge.
inline double tableNumber(const QString& text) {
    const qsizetype slash = text.indexOf(u'/');
    if (slash < 0)
        return text.toDouble();
    return text.left(slash).toDouble() / text.mid(slash + 1).toDouble();
}

// Numbers separated by commas or spaces; "-" stands for none.
inline QList<double> tableNumbers(const QString& text) {
    static const QRegularExpression separator(QStringLiteral("[ ,]"));
    QList<double> numbers;
    for (const QString& part : text.split(separator, Qt::SkipEmptyParts))
        if (part != u'-')
            numbers << tableNumber(part);
    return numbers;
}
