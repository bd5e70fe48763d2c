// SPDX-License-Identifier: MIT
#pragma once

#include "app/wakethread.h"

#include <QObject>
#include <QString>
#include <chrono>
#include <map>

// Keyed millisecond timers whose events arrive on the GUI thread. Time is kept against a
// monotonic clock: when the event loop is late, one event is delivered for every whole interval
// that has passed, so whatever counts the events never runs slow. While no timer is started
// nothing is scheduled at all.
class HiResTimer : public QObject {
    Q_OBJECT
public:
    explicit HiResTimer(QObject* parent = nullptr);

    void add(const QString& key, int intervalMs, bool started);
    void setStarted(const QString& key, bool started);
    bool isStarted(const QString& key) const;

signals:
    void timer(const QString& key);

protected:
    bool event(QEvent* event) override;

private:
    using Clock = WakeThread::Clock;

    struct Entry {
        Clock::duration interval = std::chrono::milliseconds(1);
        bool started = false;
        Clock::time_point startedAt;
        qint64 delivered = 0;
    };

    void deliverDue();
    void deliverDue(const QString& key);
    void updateWake();

    std::map<QString, Entry> m_entries;
    WakeThread m_wake{this};
};
