// SPDX-License-Identifier: MIT
#include "views/htmlescape.h"

#include <QList>

namespace {

QString entityFor(char32_t c) {
    switch (c) {
    case U'&':
        return QStringLiteral("&amp;");
    case U'<':
        return QStringLiteral("&lt;");
    case U'>':
        return QStringLiteral("&gt;");
    case U'"':
        return QStringLiteral("&quot;");
    case U'\'':
        return QStringLiteral("&#39;");
    default:
        return {};
    }
}

bool isPrintableAscii(char32_t c) {
    return c >= 0x20 && c < 0x7F;
}

} // namespace

QString htmlEscaped(QStringView text) {
    QString escaped;
    escaped.reserve(text.size());
    // toUcs4 joins surrogate pairs into one code point and turns a lone surrogate into U+FFFD,
    // so every reference names a real character.
    for (const char32_t c : text.toUcs4()) {
        const QString entity = entityFor(c);
        if (!entity.isEmpty())
            escaped += entity;
        else if (isPrintableAscii(c))
            escaped += QChar(static_cast<char16_t>(c));
        else
            escaped += QStringLiteral("&#") + QString::number(static_cast<quint32>(c)) + u';';
    }
    return escaped;
}
