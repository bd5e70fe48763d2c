// SPDX-License-Identifier: MIT
#pragma once

#include "storage/careerrecords.h"

#include <QByteArray>

inline constexpr int RecordsRecordSize = 52;

// The 52-byte little-endian record of the records file; percentages and ratings as 64-bit
// ten-thousandths.
QByteArray encodeRecords(const CareerRecords& records);

// Decodes the record; bytes missing at the end read as zeros.
CareerRecords decodeRecords(QByteArrayView bytes);
