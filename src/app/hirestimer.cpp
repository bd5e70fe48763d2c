// SPDX-License-Identifier: MIT
#include "app/hirestimer.h"

#include <algorithm>
#include <utility>

HiResTimer::HiResTimer(MonotonicClock clock, int intervalMs, QObject* parent)
    : QObject(parent), m_clock(std::move(clock)),
      m_interval(std::chrono::milliseconds(std::max(intervalMs, 1))) {}

void HiResTimer::setStarted(bool started) {
    if (m_started == started)
        return;
    m_started = started;
    if (started) {
        m_startedAt = m_clock();
        m_delivered = 0;
    }
    updateWake();
}

int HiResTimer::settle(Clock::time_point instant) {
    deliverDue(instant);
    const qint64 late = m_delivered - dueBy(instant);
    if (late <= 0)
        return 0;
    m_delivered -= late;
    updateWake();
    return static_cast<int>(late);
}

bool HiResTimer::event(QEvent* event) {
    if (event->type() != WakeThread::eventType())
        return QObject::event(event);
    deliverDue(m_clock());
    updateWake();
    return true;
}

void HiResTimer::deliverDue(Clock::time_point until) {
    // The receiver may stop (or restart) the timer at any event; check it every time.
    while (m_started && m_delivered < dueBy(until)) {
        ++m_delivered;
        emit timeout();
    }
}

qint64 HiResTimer::dueBy(Clock::time_point instant) const {
    return instant <= m_startedAt ? 0 : (instant - m_startedAt) / m_interval;
}

void HiResTimer::updateWake() {
    if (m_started)
        m_wake.wakeAt(m_startedAt + (m_delivered + 1) * m_interval);
    else
        m_wake.disarm();
}
