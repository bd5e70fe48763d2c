// SPDX-License-Identifier: MIT
#pragma once

#include <QEvent>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

class QObject;

// Posts one event to an object at a chosen moment of the monotonic clock. The event loop's own
// timers wait in whole milliseconds, which alone would leave a millisecond timer up to a
// millisecond late; a thread of its own sleeping to the moment wakes the loop within
// microseconds. While not armed the thread sleeps without a deadline and costs nothing.
class WakeThread {
public:
    using Clock = std::chrono::steady_clock;

    // The event type posted to the target.
    static QEvent::Type eventType();

    explicit WakeThread(QObject* target);
    ~WakeThread();
    WakeThread(const WakeThread&) = delete;
    WakeThread& operator=(const WakeThread&) = delete;

    // One event at `at` (at once if it has passed), replacing any earlier request.
    void wakeAt(Clock::time_point at);
    // No event until the next wakeAt; one already posted may still arrive.
    void disarm();

private:
    void run();

    QObject* m_target;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_armed = false;
    bool m_quit = false;
    Clock::time_point m_at;
    std::thread m_thread;
};
