// SPDX-License-Identifier: MIT
#include "app/hirestimer.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QThread>

class HiResTimerTest : public QObject {
    Q_OBJECT
private slots:
    void aStoppedTimerDeliversNothing();
    void catchesUpOneEventPerElapsedIntervalAfterABusyLoop();
    void stoppingInsideTheHandlerEndsTheEvents();
    void eventsCarryTheirKey();
};

void HiResTimerTest::aStoppedTimerDeliversNothing() {
    HiResTimer timer;
    QSignalSpy spy(&timer, &HiResTimer::timer);
    timer.add(QStringLiteral("Timer"), 1, false);
    QTest::qWait(20);
    QCOMPARE(spy.count(), 0);
    QVERIFY(!timer.isStarted(QStringLiteral("Timer")));
}

void HiResTimerTest::catchesUpOneEventPerElapsedIntervalAfterABusyLoop() {
    HiResTimer timer;
    QSignalSpy spy(&timer, &HiResTimer::timer);
    timer.add(QStringLiteral("Timer"), 1, true);
    QElapsedTimer held;
    held.start();
    QThread::msleep(30); // the event loop is held up; no event can arrive meanwhile
    const qint64 heldMs = held.elapsed();
    QCOMPARE(spy.count(), 0);
    QTRY_VERIFY(spy.count() >= heldMs);
}

void HiResTimerTest::stoppingInsideTheHandlerEndsTheEvents() {
    HiResTimer timer;
    int events = 0;
    connect(&timer, &HiResTimer::timer, this, [&] {
        if (++events == 5)
            timer.setStarted(QStringLiteral("Timer"), false);
    });
    timer.add(QStringLiteral("Timer"), 1, true);
    QThread::msleep(20); // twenty intervals are due at once
    QTRY_COMPARE(events, 5);
    QTest::qWait(10);
    QCOMPARE(events, 5);
}

void HiResTimerTest::eventsCarryTheirKey() {
    HiResTimer timer;
    QSignalSpy spy(&timer, &HiResTimer::timer);
    timer.add(QStringLiteral("Timer"), 1, false);
    timer.add(QStringLiteral("Other"), 1, false);
    timer.setStarted(QStringLiteral("Other"), true);
    QTRY_VERIFY(spy.count() >= 3);
    timer.setStarted(QStringLiteral("Other"), false);
    for (const QList<QVariant>& event : spy)
        QCOMPARE(event.at(0).toString(), QStringLiteral("Other"));
}

QTEST_GUILESS_MAIN(HiResTimerTest)
#include "hirestimer_test.moc"
