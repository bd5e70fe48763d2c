// SPDX-License-Identifier: MIT
#include "app/showfirstmessenger.h"

void ShowFirstMessenger::inform(const QString& title, const QString& text) {
    show();
    m_player.inform(title, text);
}

void ShowFirstMessenger::warn(const QString& title, const QString& text) {
    show();
    m_player.warn(title, text);
}

bool ShowFirstMessenger::askRetry(const QString& title, const QString& text) {
    show();
    return m_player.askRetry(title, text);
}

void ShowFirstMessenger::show() const {
    if (m_show)
        m_show();
}
