// SPDX-License-Identifier: MIT
#include "app/hirestimer.h"
#include "app/pressinstant.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTest>

class HiResTimerTest : public QObject {
    Q_OBJECT
private slots:
    void aStoppedTimerDeliversNothing();
    void eventsCarryTheirKey();
    void settlesOnTheEventsDueAtAMoment_data();
    void settlesOnTheEventsDueAtAMoment();
    void aRestartedTimerCountsAfresh();
    void placesAPressStampOnTheClock_data();
    void placesAPressStampOnTheClock();
};

namespace {
using std::chrono::microseconds;
using std::chrono::milliseconds;
using TimePoint = std::chrono::steady_clock::time_point;
} // namespace

void HiResTimerTest::aStoppedTimerDeliversNothing() {
    HiResTimer timer(&std::chrono::steady_clock::now);
    QSignalSpy spy(&timer, &HiResTimer::timer);
    timer.add(QStringLiteral("Timer"), 1, false);
    QTest::qWait(20);
    QCOMPARE(spy.count(), 0);
    QVERIFY(!timer.isStarted(QStringLiteral("Timer")));
}

void HiResTimerTest::eventsCarryTheirKey() {
    HiResTimer timer(&std::chrono::steady_clock::now);
    QSignalSpy spy(&timer, &HiResTimer::timer);
    timer.add(QStringLiteral("Timer"), 1, false);
    timer.add(QStringLiteral("Other"), 1, false);
    timer.setStarted(QStringLiteral("Other"), true);
    QTRY_VERIFY(spy.count() >= 3);
    timer.setStarted(QStringLiteral("Other"), false);
    for (const QList<QVariant>& event : spy)
        QCOMPARE(event.at(0).toString(), QStringLiteral("Other"));
}

// On a scripted clock: catching up delivers one event per whole interval passed, a stop inside
// the handler ends the events, and settling on a moment takes back those past it.
void HiResTimerTest::settlesOnTheEventsDueAtAMoment_data() {
    QTest::addColumn<int>("heldMs");    // the clock runs this long after the start
    QTest::addColumn<bool>("caughtUp"); // and the timer catches up before the settling
    QTest::addColumn<int>("stopAfter"); // the receiver stops the timer at this event; 0 never
    QTest::addColumn<int>("atMs");      // the moment settled on, from the start
    QTest::addColumn<int>("late");
    QTest::addColumn<int>("events");
    QTest::newRow("caught up 30 past it") << 100 << true << 0 << 70 << 30 << 100;
    QTest::newRow("not caught up yet") << 100 << false << 0 << 70 << 0 << 70;
    QTest::newRow("stopped after it") << 100 << true << 40 << 25 << 15 << 40;
    QTest::newRow("stopped before it") << 100 << true << 40 << 70 << 0 << 40;
    QTest::newRow("before the start") << 10 << true << 0 << -5 << 10 << 10;
}

void HiResTimerTest::settlesOnTheEventsDueAtAMoment() {
    QFETCH(int, heldMs);
    QFETCH(bool, caughtUp);
    QFETCH(int, stopAfter);
    QFETCH(int, atMs);
    QFETCH(int, late);
    QFETCH(int, events);
    const TimePoint start{std::chrono::hours(24 * 365 * 40)}; // the wake thread sleeps through
    TimePoint now = start;
    HiResTimer timer([&now] { return now; });
    int delivered = 0;
    connect(&timer, &HiResTimer::timer, this, [&] {
        if (++delivered == stopAfter)
            timer.setStarted(QStringLiteral("Timer"), false);
    });
    timer.add(QStringLiteral("Timer"), 1, true);
    now += milliseconds(heldMs);
    if (caughtUp) {
        QEvent wake(WakeThread::eventType());
        QCoreApplication::sendEvent(&timer, &wake);
    }
    const TimePoint at = start + milliseconds(atMs) + microseconds(500);
    QCOMPARE(timer.settle(QStringLiteral("Timer"), at), late);
    QCOMPARE(delivered, events);
    QCOMPARE(timer.settle(QStringLiteral("Timer"), at), 0); // the late events are forgotten
    QCOMPARE(delivered, events);
}

void HiResTimerTest::aRestartedTimerCountsAfresh() {
    TimePoint now{std::chrono::hours(24 * 365 * 40)}; // the wake thread sleeps through
    HiResTimer timer([&now] { return now; });
    QSignalSpy spy(&timer, &HiResTimer::timer);
    timer.add(QStringLiteral("Timer"), 1, true);
    now += milliseconds(30);
    QCOMPARE(timer.settle(QStringLiteral("Timer"), now), 0);
    QCOMPARE(spy.count(), 30);
    timer.setStarted(QStringLiteral("Timer"), false);
    timer.setStarted(QStringLiteral("Timer"), true); // the next snap
    now += milliseconds(10);
    QCOMPARE(timer.settle(QStringLiteral("Timer"), now), 0);
    QCOMPARE(spy.count(), 40);
}

void HiResTimerTest::placesAPressStampOnTheClock_data() {
    QTest::addColumn<qint64>("handledNs");
    QTest::addColumn<quint64>("stampMs");
    QTest::addColumn<qint64>("pressedNs");     // the last nanosecond of the stamp's millisecond
    const qint64 handled = 90'000'000'700'000; // 90,000,000.7 ms after boot
    const qint64 wrapped = (qint64(1) << 32) * 1'000'000 + 10'700'000;
    QTest::newRow("30 ms before") << handled << quint64(89'999'970) << 89'999'970'999'999LL;
    QTest::newRow("the oldest taken") << handled << quint64(89'998'000) << 89'998'000'999'999LL;
    QTest::newRow("across the wrap") << wrapped << quint64(0xFFFF'FFEC) << wrapped - 29'700'001;
    QTest::newRow("its own millisecond") << handled << quint64(90'000'000) << handled;
    QTest::newRow("missing") << handled << quint64(0) << handled;
    QTest::newRow("in the future") << handled << quint64(90'000'005) << handled;
    QTest::newRow("too old") << handled << quint64(89'997'999) << handled;
    QTest::newRow("far in the past") << handled << quint64(1'000) << handled;
}

void HiResTimerTest::placesAPressStampOnTheClock() {
    QFETCH(qint64, handledNs);
    QFETCH(quint64, stampMs);
    QFETCH(qint64, pressedNs);
    const TimePoint pressed = pressInstant(stampMs, TimePoint(std::chrono::nanoseconds(handledNs)));
    QCOMPARE(std::chrono::nanoseconds(pressed.time_since_epoch()).count(), pressedNs);
}

QTEST_GUILESS_MAIN(HiResTimerTest)
#include "hirestimer_test.moc"
