// SPDX-License-Identifier: MIT
#include "app/dialogmessenger.h"

#include <QMessageBox>

void DialogMessenger::inform(const QString& title, const QString& text) {
    QMessageBox::information(m_parent, title, text);
}

void DialogMessenger::warn(const QString& title, const QString& text) {
    QMessageBox::warning(m_parent, title, text);
}

bool DialogMessenger::askRetry(const QString& title, const QString& text) {
    return QMessageBox::warning(m_parent, title, text, QMessageBox::Retry | QMessageBox::Cancel,
                                QMessageBox::Retry) == QMessageBox::Retry;
}
