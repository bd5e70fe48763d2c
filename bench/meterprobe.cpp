// SPDX-License-Identifier: MIT
#include "meterprobe.h"

#include "benchwindow.h"
#include "play/throwrules.h"

#include <QProgressBar>
#include <QTimer>

namespace {
// A snap whose meter has not reached the target by then has gone wrong.
constexpr int snapLimitMs = 5000;
} // namespace

MeterProbe::MeterProbe(BenchWindow& bench, int snaps) : m_bench(bench), m_snaps(snaps) {
    QObject::connect(bench.meter(), &QProgressBar::valueChanged, &m_loop,
                     [this](int value) { meterShows(value); });
    m_watchdog.setSingleShot(true);
    QObject::connect(&m_watchdog, &QTimer::timeout, &m_loop,
                     [this] { fail(QStringLiteral("the meter did not reach its target")); });
}

std::vector<SnapTiming> MeterProbe::run() {
    m_timings.clear();
    m_timings.reserve(static_cast<std::size_t>(m_snaps));
    m_bench.newGame();
    QTimer::singleShot(PauseBetweenSnapsMs, &m_loop, [this] { snap(); });
    m_loop.exec();
    return m_timings;
}

void MeterProbe::snap() {
    if (m_bench.gameOver())
        m_bench.newGame();
    m_reached = false;
    m_ticksAtSnap = m_bench.tickCount();
    m_watchdog.start(snapLimitMs);
    m_sinceSnap.start();
    m_bench.press();
    m_speed = speedOf(m_bench.session().state(), m_bench.session().state().playType);
}

void MeterProbe::meterShows(int value) {
    if (m_reached)
        return;
    // The window starts the timer just before it empties the meter.
    if (value == 0) {
        m_timerStartedMs = double(m_sinceSnap.nsecsElapsed()) / 1e6;
        return;
    }
    if (value != MeterTarget)
        return;
    const double elapsedMs = double(m_sinceSnap.nsecsElapsed()) / 1e6;
    m_reached = true;
    m_watchdog.stop();
    // The game's own count of the timer events of this snap; it wraps as the game's does.
    const std::uint32_t ticks = m_bench.tickCount() - m_ticksAtSnap;
    // The first step may come early in the count, the other steps take a full `speed` each.
    const auto speed = static_cast<std::uint32_t>(m_speed);
    const auto target = static_cast<std::uint32_t>(MeterTarget);
    if (speed == 0 || ticks <= (target - 1) * speed || ticks > target * speed) {
        fail(QStringLiteral("%1 timer events to the target at speed %2").arg(ticks).arg(m_speed));
        return;
    }
    m_timings.push_back({elapsedMs - double(ticks), m_timerStartedMs,
                         elapsedMs - m_timerStartedMs - double(ticks)});
    // The throw is left to the event loop so that the timer finishes its event first.
    QTimer::singleShot(0, &m_loop, [this] { throwAndWait(); });
}

void MeterProbe::throwAndWait() {
    m_bench.press();
    if (m_timings.size() >= static_cast<std::size_t>(m_snaps)) {
        m_loop.quit();
        return;
    }
    QTimer::singleShot(PauseBetweenSnapsMs, &m_loop, [this] { snap(); });
}

void MeterProbe::fail(const QString& why) {
    m_failure = why;
    m_loop.quit();
}
