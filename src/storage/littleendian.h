// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QtEndian>
#include <algorithm>
#include <cstdint>
#include <type_traits>

// A fixed-length little-endian record, field by field: `visitFields(record, visit)` calls
// `visit` on every field in file order.
template <typename Record, typename VisitFields>
QByteArray encodeFields(const Record& record, VisitFields visitFields) {
    QByteArray bytes;
    visitFields(record, [&](auto value) {
        char field[sizeof(value)];
        qToLittleEndian(value, field);
        bytes.append(field, sizeof(value));
    });
    return bytes;
}

// Reads the record from the first `size` bytes; bytes missing at the end read as zeros.
template <typename Record, typename VisitFields>
Record decodeFields(QByteArrayView bytes, qsizetype size, VisitFields visitFields) {
    QByteArray whole(size, '\0');
    std::copy_n(bytes.data(), std::min(bytes.size(), size), whole.data());
    qsizetype offset = 0;
    Record record;
    visitFields(record, [&](auto& field) {
        using Field = std::remove_reference_t<decltype(field)>;
        field = qFromLittleEndian<Field>(whole.constData() + offset);
        offset += qsizetype(sizeof(Field));
    });
    return record;
}
