// SPDX-License-Identifier: MIT
#pragma once

#include "storage/message.h"

// How the career's messages reach the player: message boxes in the window, standard error in
// the simulator, a recording in tests. A call returns when the player has answered.
class Messenger {
public:
    virtual ~Messenger() = default;
    // True when the player asks to retry a message of the Retry kind.
    virtual bool show(const Message& message) = 0;
};
