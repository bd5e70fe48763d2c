// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <cstddef>
#include <cstdint>

// Play types: 0 means no snap; the per-play-type counters everywhere run Short, Medium, Long,
// Blitz.
namespace PlayType {
inline constexpr std::int16_t None = 0;
inline constexpr std::int16_t Short = 1;
inline constexpr std::int16_t Medium = 2;
inline constexpr std::int16_t Long = 3;
inline constexpr std::int16_t Blitz = 4;

// Tables and records keep one entry per play type, Short to Blitz, at its index.
inline constexpr std::size_t Count = 4;
constexpr std::size_t index(std::int16_t playType) {
    return static_cast<std::size_t>(playType - Short);
}

inline bool isSnap(std::int16_t playType) {
    return playType >= Short && playType <= Blitz;
}

// The text shown for a snap and used to open its outcome message; empty for no snap.
inline QString name(std::int16_t playType) {
    switch (playType) {
    case Short:
        return QStringLiteral("Short Pass");
    case Medium:
        return QStringLiteral("Medium Pass");
    case Long:
        return QStringLiteral("Long Pass");
    case Blitz:
        return QStringLiteral("BLITZ!");
    default:
        return {};
    }
}
} // namespace PlayType
