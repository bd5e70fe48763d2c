// SPDX-License-Identifier: MIT
#pragma once

#include "storage/messenger.h"

#include <QList>
#include <QString>

// Records every message in order; a question to retry is answered from a script (no by
// default).
class RecordingMessenger final : public Messenger {
public:
    bool show(const Message& message) override {
        m_messages.append(message);
        return message.kind == Message::Kind::Retry && m_retriesLeft-- > 0;
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
