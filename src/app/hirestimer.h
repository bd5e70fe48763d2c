// SPDX-License-Identifier: MIT
#pragma once

#include "app/monotonicclock.h"
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
    using Clock = WakeThread::Clock;

    explicit HiResTimer(MonotonicClock clock, QObject* parent = nullptr);

    void add(const QString& key, int intervalMs, bool started);
    void setStarted(const QString& key, bool started);
    bool isStarted(const QString& key) const;
    // Brings the events of `key` to exactly those due by `instant`, a moment already passed:
    // any still due up to it are delivered now, and the number of those delivered that fell
    // due after it is returned, for the receiver to take back; the timer then counts as though
    // they had not come. A timer keeps the count of its last run until it is started again, so
    // a moment before it was stopped still finds the events that followed.
    int settle(const QString& key, Clock::time_point instant);

signals:
    void timer(const QString& key);

protected:
    bool event(QEvent* event) override;

private:
    struct Entry {
        Clock::duration interval = std::chrono::milliseconds(1);
        bool started = false;
        Clock::time_point startedAt;
        qint64 delivered = 0;
    };

    void deliverDue();
    void deliverDue(const QString& key, Clock::time_point until);
    void updateWake();
    static qint64 dueBy(const Entry& entry, Clock::time_point instant);

    MonotonicClock m_clock;
    std::map<QString, Entry> m_entries;
    WakeThread m_wake{this};
};
