// SPDX-License-Identifier: MIT
#pragma once

#include <QElapsedTimer>
#include <QEventLoop>
#include <QString>
#include <QTimer>
#include <cstdint>
#include <vector>

class BenchWindow;

// One snap, in milliseconds.
struct SnapTiming {
    double lateMs = 0;      // from the press of Hike
    double pressMs = 0;     // the window's handling of that press, up to the timer's start
    double timerLateMs = 0; // from the timer's start: the timer's own share of lateMs
};

// Plays snaps on the real window, timer and event loop and records, for each, how much later
// than ideal the meter reached its target: the time from the press of Hike to the timer event
// that shows the target, less one millisecond for every timer event the game needed to get
// there.
class MeterProbe {
public:
    MeterProbe(BenchWindow& bench, int snaps);

    // Runs every snap; the timings of each, in the order played.
    std::vector<SnapTiming> run();
    // Empty unless a snap went wrong; then what did.
    const QString& failure() const { return m_failure; }

private:
    void snap();
    void meterShows(int value);
    void throwAndWait();
    void fail(const QString& why);

    BenchWindow& m_bench;
    int m_snaps;
    QEventLoop m_loop;
    QTimer m_watchdog;
    QElapsedTimer m_sinceSnap;
    std::uint32_t m_ticksAtSnap = 0;
    int m_speed = 0;
    double m_timerStartedMs = 0;
    bool m_reached = false;
    std::vector<SnapTiming> m_timings;
    QString m_failure;
};
