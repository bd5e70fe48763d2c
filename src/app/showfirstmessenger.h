// SPDX-License-Identifier: MIT
#pragma once

#include "storage/messenger.h"

#include <functional>
#include <utility>

// Passes every message on to the player only once the window shows what the game holds, so
// that a box never comes up over a window a step behind the game: the last throw's outcome,
// the game line, the button and the trophy are on screen behind it.
class ShowFirstMessenger final : public Messenger {
public:
    explicit ShowFirstMessenger(Messenger& player) : m_player(player) {}

    // What brings the window up to date; empty while there is no window.
    void setShow(std::function<void()> show) { m_show = std::move(show); }

    bool show(const Message& message) override;

private:
    Messenger& m_player;
    std::function<void()> m_show;
};
