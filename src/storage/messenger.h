// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// How the career's messages reach the player: message boxes in the window, standard error in
// the simulator, a recording in tests. Each call returns when the player has answered.
class Messenger {
public:
    virtual ~Messenger() = default;
    // An information message with a single OK button.
    virtual void inform(const QString& title, const QString& text) = 0;
    // A failure the player should know about (which file, what the system said).
    virtual void warn(const QString& title, const QString& text) = 0;
    // A failure that can be tried again; true when the player asks to retry.
    virtual bool askRetry(const QString& title, const QString& text) = 0;
};
