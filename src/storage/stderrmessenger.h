// SPDX-License-Identifier: MIT
#pragma once

#include "storage/messenger.h"

#include <QTextStream>

// The career's messages on standard error as "title: text"; a failure is never retried, and
// is remembered so that the run can end with a failing status.
class StderrMessenger final : public Messenger {
public:
    bool show(const Message& message) override {
        QTextStream(stderr) << message.title << ": " << message.text << Qt::endl;
        m_failed = m_failed || message.kind != Message::Kind::Information;
        return false;
    }
    bool failed() const { return m_failed; }

private:
    bool m_failed = false;
};
