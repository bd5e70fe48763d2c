// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// What the player is told in one box: its title and text, and what it asks of the player.
struct Message {
    enum class Kind {
        Information, // a single OK button
        Warning,     // a failure the player should know about (which file, what the system said)
        Retry,       // a failure that can be tried again: Retry or Cancel
    };
    Kind kind = Kind::Information;
    QString title;
    QString text;
};
