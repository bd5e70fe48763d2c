// SPDX-License-Identifier: MIT
#include "app/showfirstmessenger.h"

bool ShowFirstMessenger::show(const Message& message) {
    if (m_show)
        m_show();
    return m_player.show(message);
}
