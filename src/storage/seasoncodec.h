// SPDX-License-Identifier: MIT
#pragma once

#include "storage/seasonstats.h"

#include <QByteArray>

inline constexpr int SeasonRecordSize = 110;
// The career file holds at most this many seasons, and readers list no more.
inline constexpr std::size_t MostSeasonRecords = 100;
inline constexpr qsizetype LongestSeasonsFile = qsizetype(MostSeasonRecords) * SeasonRecordSize;

// The 110-byte little-endian record of one season, written field by field (the 32-bit fields
// after Reserved stand at offsets that are not multiples of four).
QByteArray encodeSeason(const SeasonStats& season);

// Decodes one record; bytes missing at the end read as zeros.
SeasonStats decodeSeason(QByteArrayView bytes);
