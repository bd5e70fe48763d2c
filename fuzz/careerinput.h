// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

// One fuzz input taken apart: the two career files as they are to lie on disk, and the
// quarterback's name for the exported page.
//
// Layout: bytes 0-1 the length of the seasons file (little-endian), byte 2 the length of the
// records file, then the seasons file, the records file, and the name as UTF-16LE code units
// to the end (an odd last byte is dropped). UTF-16 lets the name hold any code unit the name
// box can, lone surrogates included. A length beyond the bytes left takes what is left, so
// every input means something. Inputs shorter than the header are two empty files and no name.
struct CareerInput {
    QByteArray seasons;
    QByteArray records;
    QString name;
};

CareerInput splitCareerInput(const std::uint8_t* data, std::size_t size);
