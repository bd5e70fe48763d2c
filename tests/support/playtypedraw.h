// SPDX-License-Identifier: MIT
#pragma once

#include "play/playtype.h"
#include "support/datatable.h"

#include <array>
#include <cstdint>

// The random draw that picks `playType` (Short, Medium, Long or Blitz) at a snap.
inline double playTypeDraw(std::int16_t playType) {
    return std::array{50.0 / 99, 80.0 / 99, 0.0, 0.99999}.at(
        std::size_t(playType - PlayType::Short));
}

// The play type a test names: Short, Medium, Long or Blitz.
inline std::int16_t playTypeNamed(const QString& name) {
    const QStringList names{"Short", "Medium", "Long", "Blitz"};
    return std::int16_t(PlayType::Short + tableChoice(names, QStringLiteral("play type"), name));
}
