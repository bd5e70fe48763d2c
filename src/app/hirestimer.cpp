// SPDX-License-Identifier: MIT
#include "app/hirestimer.h"

#include <algorithm>
#include <vector>

HiResTimer::HiResTimer(QObject* parent) : QObject(parent) {
    m_clock.start();
    m_wake.setTimerType(Qt::PreciseTimer);
    m_wake.setInterval(1);
    connect(&m_wake, &QTimer::timeout, this, &HiResTimer::deliverDue);
}

void HiResTimer::add(const QString& key, int intervalMs, bool started) {
    Entry& entry = m_entries[key];
    entry.intervalNs = qint64(std::max(intervalMs, 1)) * 1'000'000;
    entry.started = false;
    setStarted(key, started);
}

void HiResTimer::setStarted(const QString& key, bool started) {
    const auto found = m_entries.find(key);
    if (found == m_entries.end() || found->second.started == started)
        return;
    Entry& entry = found->second;
    entry.started = started;
    entry.startedAtNs = m_clock.nsecsElapsed();
    entry.delivered = 0;
    updateWake();
}

bool HiResTimer::isStarted(const QString& key) const {
    const auto found = m_entries.find(key);
    return found != m_entries.end() && found->second.started;
}

void HiResTimer::deliverDue() {
    std::vector<QString> keys;
    for (const auto& [key, entry] : m_entries)
        if (entry.started)
            keys.push_back(key);
    for (const QString& key : keys) {
        // A handler may stop (or restart) the timer it is called for; look it up every time.
        for (;;) {
            const auto found = m_entries.find(key);
            if (found == m_entries.end() || !found->second.started)
                break;
            Entry& entry = found->second;
            const qint64 due = (m_clock.nsecsElapsed() - entry.startedAtNs) / entry.intervalNs;
            if (entry.delivered >= due)
                break;
            ++entry.delivered;
            emit timer(key);
        }
    }
}

void HiResTimer::updateWake() {
    const bool anyStarted = std::any_of(m_entries.begin(), m_entries.end(),
                                        [](const auto& item) { return item.second.started; });
    if (anyStarted && !m_wake.isActive())
        m_wake.start();
    else if (!anyStarted)
        m_wake.stop();
}
