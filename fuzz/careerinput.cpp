// SPDX-License-Identifier: MIT
#include "careerinput.h"

#include <QByteArrayView>
#include <algorithm>

namespace {

constexpr std::size_t headerSize = 3;

// The next `wanted` bytes, or what is left of them; the view moves past them.
QByteArray take(QByteArrayView& rest, std::size_t wanted) {
    const auto length = std::min<qsizetype>(rest.size(), static_cast<qsizetype>(wanted));
    const QByteArray part = rest.first(length).toByteArray();
    rest = rest.sliced(length);
    return part;
}

QString utf16Name(QByteArrayView bytes) {
    QString name(bytes.size() / 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < name.size(); ++i) {
        const auto low = static_cast<std::uint8_t>(bytes[2 * i]);
        const auto high = static_cast<std::uint8_t>(bytes[2 * i + 1]);
        name[i] = QChar(static_cast<char16_t>(low | high << 8));
    }
    return name;
}

} // namespace

CareerInput splitCareerInput(const std::uint8_t* data, std::size_t size) {
    if (size < headerSize)
        return {};
    const std::size_t seasonsLength = data[0] | std::size_t{data[1]} << 8;
    const std::size_t recordsLength = data[2];
    QByteArrayView rest(data + headerSize, static_cast<qsizetype>(size - headerSize));
    CareerInput input;
    input.seasons = take(rest, seasonsLength);
    input.records = take(rest, recordsLength);
    input.name = utf16Name(rest);
    return input;
}
