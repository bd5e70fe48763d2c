// SPDX-License-Identifier: MIT
#include "app/meterbar.h"

#include <QPainter>
#include <algorithm>

MeterBar::MeterBar(QWidget* parent) : QProgressBar(parent) {}

void MeterBar::showValue(int value) {
    setValue(value);
    if (m_drawn != this->value())
        repaint();
}

void MeterBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Mid));
    painter.setBrush(palette().color(QPalette::Base));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    const QRect inside = rect().adjusted(1, 1, -1, -1);
    painter.fillRect(QRect(inside.topLeft(), QSize(fillWidth(inside.width()), inside.height())),
                     palette().color(QPalette::Highlight));
    m_drawn = value();
}

// The share of `insideWidth` the value fills, to the nearest pixel.
int MeterBar::fillWidth(int insideWidth) const {
    const qint64 span = qint64(maximum()) - minimum();
    if (span <= 0)
        return 0;
    const qint64 filled = std::clamp<qint64>(qint64(value()) - minimum(), 0, span);
    return static_cast<int>((2 * filled * insideWidth + span) / (2 * span));
}
