// SPDX-License-Identifier: MIT
#pragma once

#include "storage/messenger.h"

// Counts the messages and never asks for a retry, so a failing save gives up at once instead
// of looping the way a player who keeps pressing Retry would.
class CountingMessenger final : public Messenger {
public:
    void inform(const QString&, const QString&) override { ++informed; }
    void warn(const QString&, const QString&) override { ++warned; }
    bool askRetry(const QString&, const QString&) override {
        ++retriesOffered;
        return false;
    }

    int informed = 0;
    int warned = 0;
    int retriesOffered = 0;
};
