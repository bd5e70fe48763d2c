// SPDX-License-Identifier: MIT
#pragma once

#include "storage/messenger.h"

#include <QTextStream>

// The career's messages on standard error as "title: text"; a failure is never retried, and
// is remembered so that the run can end with a failing status.
class StderrMessenger final : public Messenger {
public:
    void inform(const QString& title, const QString& text) override { print(title, text); }
    void warn(const QString& title, const QString& text) override {
        print(title, text);
        m_failed = true;
    }
    bool askRetry(const QString& title, const QString& text) override {
        warn(title, text);
        return false;
    }
    bool failed() const { return m_failed; }

private:
    void print(const QString& title, const QString& text) {
        QTextStream(stderr) << title << ": " << text << Qt::endl;
    }

    bool m_failed = false;
};
