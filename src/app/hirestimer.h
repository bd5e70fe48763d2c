// SPDX-License-Identifier: MIT
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>
#include <map>

// Keyed millisecond timers whose events arrive on the GUI thread. Time is kept against a
// monotonic clock: when the event loop is late, one event is delivered for every whole interval
// that has passed, so whatever counts the events never runs slow. While no timer is started
// nothing is scheduled at all.
class HiResTimer : public QObject {
    Q_OBJECT
public:
    explicit HiResTimer(QObject* parent = nullptr);

    void add(const QString& key, int intervalMs, bool started);
    void setStarted(const QString& key, bool started);
    bool isStarted(const QString& key) const;

signals:
    void timer(const QString& key);

private:
    struct Entry {
        qint64 intervalNs = 1'000'000;
        bool started = false;
        qint64 startedAtNs = 0;
        qint64 delivered = 0;
    };

    void deliverDue();
    void updateWake();

    QElapsedTimer m_clock;
    QTimer m_wake;
    std::map<QString, Entry> m_entries;
};
