// SPDX-License-Identifier: MIT
// The timer on the real clock, woken by its own thread; its counting is shown on a scripted
// clock by the window scenarios.
#include "app/hirestimer.h"

#include <QSignalSpy>
#include <QTest>

class HiResTimerTest : public QObject {
    Q_OBJECT
private slots:
    void startedItWakesWithItsKeyAndStoppedItRests();
};

void HiResTimerTest::startedItWakesWithItsKeyAndStoppedItRests() {
    HiResTimer timer(&std::chrono::steady_clock::now);
    QSignalSpy spy(&timer, &HiResTimer::timer);
    timer.add(QStringLiteral("Timer"), 1, false);
    timer.add(QStringLiteral("Other"), 1, true);
    QTRY_VERIFY(spy.count() >= 3);
    timer.setStarted(QStringLiteral("Other"), false);
    for (const QList<QVariant>& event : spy)
        QCOMPARE(event.at(0).toString(), QStringLiteral("Other"));
    const qsizetype delivered = spy.count();
    QTest::qWait(20);
    QCOMPARE(spy.count(), delivered);
}

QTEST_GUILESS_MAIN(HiResTimerTest)
#include "hirestimer_test.moc"
