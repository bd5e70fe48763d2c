// SPDX-License-Identifier: MIT
#include "app/wakethread.h"

#include <QCoreApplication>
#include <QTest>

namespace {

// Counts the wake events it receives and when the first came.
class WakeCounter : public QObject {
public:
    int events = 0;
    WakeThread::Clock::time_point firstAt;

protected:
    bool event(QEvent* event) override {
        if (event->type() != WakeThread::eventType())
            return QObject::event(event);
        if (events++ == 0)
            firstAt = WakeThread::Clock::now();
        return true;
    }
};

constexpr auto later = std::chrono::milliseconds(15);

} // namespace

class WakeThreadTest : public QObject {
    Q_OBJECT
private slots:
    void wakesOnceNoEarlierThanAsked_data();
    void wakesOnceNoEarlierThanAsked();
    void disarmedItPostsNothing();
    void aMomentPassedWakesAtOnce();
};

void WakeThreadTest::wakesOnceNoEarlierThanAsked_data() {
    QTest::addColumn<bool>("replaced");
    QTest::newRow("one request") << false;
    QTest::newRow("a later request replaces an earlier one") << true;
}

void WakeThreadTest::wakesOnceNoEarlierThanAsked() {
    QFETCH(bool, replaced);
    WakeCounter counter;
    WakeThread wake(&counter);
    if (replaced)
        wake.wakeAt(WakeThread::Clock::now() + later);
    const auto at = WakeThread::Clock::now() + (replaced ? 2 * later : later);
    wake.wakeAt(at);
    QTRY_COMPARE(counter.events, 1);
    QVERIFY(counter.firstAt >= at);
    QTest::qWait(20);
    QCOMPARE(counter.events, 1);
}

void WakeThreadTest::disarmedItPostsNothing() {
    WakeCounter counter;
    WakeThread wake(&counter);
    wake.wakeAt(WakeThread::Clock::now() + later);
    wake.disarm();
    QTest::qWait(40);
    QCOMPARE(counter.events, 0);
}

void WakeThreadTest::aMomentPassedWakesAtOnce() {
    WakeCounter counter;
    WakeThread wake(&counter);
    wake.wakeAt(WakeThread::Clock::now() - later);
    QTRY_COMPARE(counter.events, 1);
}

QTEST_GUILESS_MAIN(WakeThreadTest)
#include "wakethread_test.moc"
