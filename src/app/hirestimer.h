// SPDX-License-Identifier: MIT
#pragma once

#include "app/monotonicclock.h"
#include "app/wakethread.h"

#include <QObject>
#include <chrono>

// The throw meter's millisecond timer, whose events arrive on the GUI thread. Time is kept
// against a monotonic clock: when the event loop is late, one event is delivered for every whole
// interval that has passed, so the meter never runs slow. While it is stopped nothing is
// scheduled at all.
class HiResTimer : public QObject {
    Q_OBJECT
public:
    using Clock = WakeThread::Clock;

    HiResTimer(MonotonicClock clock, int intervalMs, QObject* parent = nullptr);

    void setStarted(bool started);
    bool isStarted() const { return m_started; }
    // Brings the events to exactly those due by `instant`, a moment already passed: any still
    // due up to it are delivered now, and the number of those delivered that fell due after it
    // is returned, for the receiver to take back; the timer then counts as though they had not
    // come. The timer keeps the count of its last run until it is started again, so a moment
    // before it was stopped still finds the events that followed.
    int settle(Clock::time_point instant);

signals:
    void timeout();

protected:
    bool event(QEvent* event) override;

private:
    void deliverDue(Clock::time_point until);
    void updateWake();
    qint64 dueBy(Clock::time_point instant) const;

    MonotonicClock m_clock;
    Clock::duration m_interval;
    bool m_started = false;
    Clock::time_point m_startedAt;
    qint64 m_delivered = 0;
    WakeThread m_wake{this};
};
