// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

// The balance simulator's command line.
struct SimOptions {
    int games = 1;
    std::optional<std::uint64_t> seed;
    int stopLow = 40; // the player throws when the meter shows a value drawn from stopLow..stopHigh
    int stopHigh = 40;
    bool csv = false;
    QString dir;                       // the career files' directory; empty plays without saving
    std::optional<QString> exportName; // export DIR's career with this name after any games
};

struct ParsedOptions {
    std::optional<SimOptions> options; // empty when the command line is bad
    QString error;
};

ParsedOptions parseSimOptions(const QStringList& arguments);

QString simUsage();
