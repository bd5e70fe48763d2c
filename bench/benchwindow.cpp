// SPDX-License-Identifier: MIT
#include "benchwindow.h"

#include "app/hirestimer.h"

#include <QAction>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>

BenchWindow::BenchWindow(std::uint64_t seed, const QString& careerDir)
    : m_random(seed), m_archive(careerDir.isEmpty() ? m_archiveDir.path() : careerDir, m_shown),
      m_window({m_random, careerDir.isEmpty() ? static_cast<Career&>(m_career) : m_archive,
                m_archive, m_shown, QStringLiteral("."), &std::chrono::steady_clock::now}) {}

QProgressBar* BenchWindow::meter() const {
    return m_window.findChild<QProgressBar*>(QStringLiteral("pbThrow"));
}

HiResTimer* BenchWindow::timer() const {
    return m_window.findChild<HiResTimer*>(QStringLiteral("cTmr"));
}

QPushButton* BenchWindow::button() const {
    return m_window.findChild<QPushButton*>(QStringLiteral("cmdThrow"));
}

void BenchWindow::newGame() {
    m_window.findChild<QAction*>(QStringLiteral("mnuNewGame"))->trigger();
}

void BenchWindow::press(quint64 stampMs) {
    QPushButton* target = button();
    const QPointF centre = QRectF(target->rect()).center();
    const QPointF global = target->mapToGlobal(centre);
    // Sent, not posted: the press is handled before this returns, as the snap's time assumes.
    QMouseEvent down(QEvent::MouseButtonPress, centre, global, Qt::LeftButton, Qt::LeftButton,
                     Qt::NoModifier);
    down.setTimestamp(stampMs);
    QCoreApplication::sendEvent(target, &down);
    QMouseEvent up(QEvent::MouseButtonRelease, centre, global, Qt::LeftButton, Qt::NoButton,
                   Qt::NoModifier);
    QCoreApplication::sendEvent(target, &up);
}

bool BenchWindow::gameOver() const {
    return !button()->isEnabled();
}

std::uint32_t BenchWindow::tickCount() const {
    return static_cast<std::uint32_t>(m_window.session().state().tickCount);
}
