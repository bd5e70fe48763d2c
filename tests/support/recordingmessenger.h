// SPDX-License-Identifier: MIT
#pragma once

#include "storage/messenger.h"

#include <QList>
#include <QString>

// Records every message in order; askRetry answers from a script (no by default).
class RecordingMessenger final : public Messenger {
public:
    struct Message {
        QString kind; // "inform", "warn" or "retry"
        QString title;
        QString text;
    };

    void inform(const QString& title, const QString& text) override {
        m_messages.append({QStringLiteral("inform"), title, text});
    }
    void warn(const QString& title, const QString& text) override {
        m_messages.append({QStringLiteral("warn"), title, text});
    }
    bool askRetry(const QString& title, const QString& text) override {
        m_messages.append({QStringLiteral("retry"), title, text});
        return m_retriesLeft-- > 0;
    }

    void setRetries(int retries) { m_retriesLeft = retries; }
    const QList<Message>& messages() const { return m_messages; }
    QStringList titles() const {
        QStringList result;
        for (const Message& message : m_messages)
            result << message.title;
        return result;
    }
    void clear() { m_messages.clear(); }

private:
    QList<Message> m_messages;
    int m_retriesLeft = 0;
};
