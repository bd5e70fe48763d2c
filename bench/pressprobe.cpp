// SPDX-License-Identifier: MIT
#include "pressprobe.h"

#include "app/pressinstant.h"
#include "app/wakethread.h"
#include "benchwindow.h"
#include "play/throwrules.h"

#include <QCoreApplication>
#include <QProgressBar>
#include <QTimer>
#include <algorithm>
#include <cstdlib>
#include <thread>

PressProbe::PressProbe(BenchWindow& bench, int presses, std::uint64_t seed)
    : m_bench(bench), m_presses(presses), m_draws(seed) {
    QObject::connect(bench.meter(), &QProgressBar::valueChanged, &m_loop,
                     [this](int value) { meterShows(value); });
}

std::vector<PressDrift> PressProbe::run() {
    m_drifts.clear();
    m_drifts.reserve(static_cast<std::size_t>(m_presses));
    m_bench.newGame();
    QTimer::singleShot(PauseBetweenSnapsMs, &m_loop, [this] { snap(); });
    m_loop.exec();
    return m_drifts;
}

void PressProbe::snap() {
    if (m_bench.gameOver())
        m_bench.newGame();
    m_ticksAtSnap = m_bench.tickCount();
    m_awaitingStart = true;
    m_bench.press();
    m_speed = speedOf(m_bench.session().state(), m_bench.session().state().playType);
    // Pressed anywhere from a few steps up to past the full meter.
    QTimer::singleShot(drawMs(60, 400), &m_loop, [this] { holdUpAndThrow(); });
}

void PressProbe::meterShows(int value) {
    // The window starts the timer just before it empties the meter.
    if (m_awaitingStart && value == 0) {
        m_timerStarted = Clock::now();
        m_awaitingStart = false;
    }
}

void PressProbe::holdUpAndThrow() {
    if (m_speed <= 0) {
        m_failure = QStringLiteral("the snap did not start the meter");
        m_loop.quit();
        return;
    }
    // A meter that stood at 0 already did not show its start: that throw is not measured.
    if (m_awaitingStart) {
        m_awaitingStart = false;
        m_bench.press();
        QTimer::singleShot(PauseBetweenSnapsMs, &m_loop, [this] { snap(); });
        return;
    }
    const Clock::time_point pressed = Clock::now();
    std::this_thread::sleep_until(pressed + std::chrono::milliseconds(drawMs(10, 50)));
    // The timer's wake-up came during the hold-up; it catches up before the press is handled.
    QCoreApplication::sendPostedEvents(nullptr, WakeThread::eventType());
    const int due = meterAt(pressed);
    const int asHandled = m_bench.session().state().meter;
    m_bench.press(pressStamp(pressed));
    m_drifts.push_back(
        {std::abs(m_bench.session().state().meter - due), std::abs(asHandled - due)});
    if (m_drifts.size() >= static_cast<std::size_t>(m_presses))
        m_loop.quit();
    else
        QTimer::singleShot(PauseBetweenSnapsMs, &m_loop, [this] { snap(); });
}

// The meter the rules give `instant`: one timer event per whole millisecond since the timer
// started, one step for every count that is a multiple of the speed, up to the full meter.
int PressProbe::meterAt(Clock::time_point instant) const {
    const auto events = static_cast<std::uint32_t>(
        std::max<Clock::rep>(0, (instant - m_timerStarted) / std::chrono::milliseconds(1)));
    const auto speed = static_cast<std::uint32_t>(m_speed);
    const std::uint32_t steps = (m_ticksAtSnap + events) / speed - m_ticksAtSnap / speed;
    return static_cast<int>(std::min<std::uint32_t>(steps, MeterMaximum));
}

int PressProbe::drawMs(int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(m_draws);
}
