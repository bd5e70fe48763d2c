// SPDX-License-Identifier: MIT
#include "app/wakethread.h"

#include <QCoreApplication>
#include <sys/prctl.h>

QEvent::Type WakeThread::eventType() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

WakeThread::WakeThread(QObject* target) : m_target(target), m_thread([this] { run(); }) {}

WakeThread::~WakeThread() {
    {
        const std::lock_guard lock(m_mutex);
        m_quit = true;
    }
    m_changed.notify_one();
    m_thread.join();
}

void WakeThread::wakeAt(Clock::time_point at) {
    {
        const std::lock_guard lock(m_mutex);
        m_armed = true;
        m_at = at;
    }
    m_changed.notify_one();
}

void WakeThread::disarm() {
    {
        const std::lock_guard lock(m_mutex);
        m_armed = false;
    }
    m_changed.notify_one();
}

void WakeThread::run() {
    // The kernel may otherwise defer the wake-up by 50 microseconds to batch it with others.
    prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
    std::unique_lock lock(m_mutex);
    while (!m_quit) {
        if (!m_armed) {
            m_changed.wait(lock);
            continue;
        }
        const Clock::time_point at = m_at;
        const bool changed =
            m_changed.wait_until(lock, at, [&] { return m_quit || !m_armed || m_at != at; });
        if (changed)
            continue;
        m_armed = false;
        lock.unlock();
        // Ahead of repaints and other work already queued: the meter must not wait for them.
        QCoreApplication::postEvent(m_target, new QEvent(eventType()), Qt::HighEventPriority);
        lock.lock();
    }
}
