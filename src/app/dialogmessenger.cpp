// SPDX-License-Identifier: MIT
#include "app/dialogmessenger.h"

#include <QMessageBox>

bool DialogMessenger::show(const Message& message) {
    switch (message.kind) {
    case Message::Kind::Information:
        QMessageBox::information(m_parent, message.title, message.text);
        return false;
    case Message::Kind::Warning:
        QMessageBox::warning(m_parent, message.title, message.text);
        return false;
    case Message::Kind::Retry:
        break;
    }
    return QMessageBox::warning(m_parent, message.title, message.text,
                                QMessageBox::Retry | QMessageBox::Cancel,
                                QMessageBox::Retry) == QMessageBox::Retry;
}
