// SPDX-License-Identifier: MIT
#pragma once

#include <QEventLoop>
#include <QString>
#include <chrono>
#include <cstdint>
#include <random>
#include <vector>

class BenchWindow;

// How far, in meter steps, a throw was graded from the meter the rules give the moment of its
// press; and how far it would have been graded on the meter as the press was handled.
struct PressDrift {
    int gradedSteps = 0;
    int asHandledSteps = 0;
};

// Plays throws on the real window, timer and event loop, each pressed just before the window is
// held up: the press carries the stamp of its moment, is handled 10 to 50 ms later, and the
// timer has caught up with the clock in between, as after a busy spell of the desktop.
class PressProbe {
public:
    PressProbe(BenchWindow& bench, int presses, std::uint64_t seed);

    // Runs every press; the drift of each, in the order played.
    std::vector<PressDrift> run();
    // Empty unless a press went wrong; then what did.
    const QString& failure() const { return m_failure; }

private:
    using Clock = std::chrono::steady_clock;

    void snap();
    void meterShows(int value);
    void holdUpAndThrow();
    int meterAt(Clock::time_point instant) const;
    int drawMs(int low, int high);

    BenchWindow& m_bench;
    int m_presses;
    std::mt19937_64 m_draws;
    QEventLoop m_loop;
    bool m_awaitingStart = false;
    Clock::time_point m_timerStarted;
    std::uint32_t m_ticksAtSnap = 0;
    int m_speed = 0;
    std::vector<PressDrift> m_drifts;
    QString m_failure;
};
