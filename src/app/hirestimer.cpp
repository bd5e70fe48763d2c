// SPDX-License-Identifier: MIT
#include "app/hirestimer.h"

#include <algorithm>
#include <optional>
#include <vector>

HiResTimer::HiResTimer(QObject* parent) : QObject(parent) {}

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
    entry.startedAt = Clock::now();
    entry.delivered = 0;
    updateWake();
}

bool HiResTimer::isStarted(const QString& key) const {
    const auto found = m_entries.find(key);
    return found != m_entries.end() && found->second.started;
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
    for (const QString& key : keys)
        deliverDue(key);
}

void HiResTimer::deliverDue(const QString& key) {
    // A handler may stop (or restart) the timer it is called for; look it up every time.
    for (;;) {
        const auto found = m_entries.find(key);
        if (found == m_entries.end() || !found->second.started)
            return;
        Entry& entry = found->second;
        const qint64 due = (Clock::now() - entry.startedAt) / entry.interval;
        if (entry.delivered >= due)
            return;
        ++entry.delivered;
        emit timer(key);
    }
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
