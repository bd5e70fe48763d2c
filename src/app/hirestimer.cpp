// SPDX-License-Identifier: MIT
#include "app/hirestimer.h"

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

HiResTimer::HiResTimer(MonotonicClock clock, QObject* parent)
    : QObject(parent), m_clock(std::move(clock)) {}

void HiResTimer::add(const QString& key, int intervalMs, bool started) {
    Entry& entry = m_entries[key];
    entry.interval = std::chrono::milliseconds(std::max(intervalMs, 1));
    entry.started = false;
    setStarted(key, started);
}

void HiResTimer::setStarted(const QString& key, bool started) {
    const auto found = m_entries.find(key);
    if (found == m_entries.end() || found->second.started == started)
        return;
    Entry& entry = found->second;
    entry.started = started;
    if (started) {
        entry.startedAt = m_clock();
        entry.delivered = 0;
    }
    updateWake();
}

bool HiResTimer::isStarted(const QString& key) const {
    const auto found = m_entries.find(key);
    return found != m_entries.end() && found->second.started;
}

int HiResTimer::settle(const QString& key, Clock::time_point instant) {
    deliverDue(key, instant);
    const auto found = m_entries.find(key);
    if (found == m_entries.end())
        return 0;
    Entry& entry = found->second;
    const qint64 late = entry.delivered - dueBy(entry, instant);
    if (late <= 0)
        return 0;
    entry.delivered -= late;
    updateWake();
    return static_cast<int>(late);
}

bool HiResTimer::event(QEvent* event) {
    if (event->type() != WakeThread::eventType())
        return QObject::event(event);
    deliverDue();
    updateWake();
    return true;
}

void HiResTimer::deliverDue() {
    std::vector<QString> keys;
    for (const auto& [key, entry] : m_entries)
        if (entry.started)
            keys.push_back(key);
    const Clock::time_point now = m_clock();
    for (const QString& key : keys)
        deliverDue(key, now);
}

void HiResTimer::deliverDue(const QString& key, Clock::time_point until) {
    // A handler may stop (or restart) the timer it is called for; look it up every time.
    for (;;) {
        const auto found = m_entries.find(key);
        if (found == m_entries.end() || !found->second.started)
            return;
        Entry& entry = found->second;
        if (entry.delivered >= dueBy(entry, until))
            return;
        ++entry.delivered;
        emit timer(key);
    }
}

qint64 HiResTimer::dueBy(const Entry& entry, Clock::time_point instant) {
    return instant <= entry.startedAt ? 0 : (instant - entry.startedAt) / entry.interval;
}

void HiResTimer::updateWake() {
    std::optional<Clock::time_point> next;
    for (const auto& [key, entry] : m_entries) {
        if (!entry.started)
            continue;
        const Clock::time_point due = entry.startedAt + (entry.delivered + 1) * entry.interval;
        next = next ? std::min(*next, due) : due;
    }
    if (next)
        m_wake.wakeAt(*next);
    else
        m_wake.disarm();
}
