// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QtEndian>
#include <algorithm>
#include <cstdint>

// Appends and reads little-endian integers one field at a time.
class LittleEndianWriter {
public:
    template <typename T> void put(T value) {
        char bytes[sizeof(T)];
        qToLittleEndian(value, bytes);
        m_bytes.append(bytes, sizeof(T));
    }
    const QByteArray& bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

class LittleEndianReader {
public:
    // Reads from the first `size` bytes; bytes missing at the end read as zeros.
    LittleEndianReader(QByteArrayView bytes, qsizetype size) : m_bytes(size, '\0') {
        std::copy_n(bytes.data(), std::min(bytes.size(), size), m_bytes.data());
    }
    template <typename T> T get() {
        const T value = qFromLittleEndian<T>(m_bytes.constData() + m_offset);
        m_offset += qsizetype(sizeof(T));
        return value;
    }

private:
    QByteArray m_bytes;
    qsizetype m_offset = 0;
};
