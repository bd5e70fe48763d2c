// SPDX-License-Identifier: MIT
#pragma once

#include "play/playtype.h"
#include "support/datatable.h"

#include <cstdint>

// The random draw that picks `playType` at a snap.
inline double playTypeDraw(std::int16_t playType) {
    switch (playType) {
    case PlayType::Long:
        return 0.0;
    case PlayType::Short:
        return 50.0 / 99;
    case PlayType::Medium:
        return 80.0 / 99;
    default:
        return 0.99999;
    }
}

// The play type a test names: Short, Medium, Long or Blitz.
inline std::int16_t playTypeNamed(const QString& name) {
    const QStringList names{"Short", "Medium", "Long", "Blitz"};
    return std::int16_t(PlayType::Short + tableChoice(names, QStringLiteral("play type"), name));
}
