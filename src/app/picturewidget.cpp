// SPDX-License-Identifier: MIT
#include "app/picturewidget.h"

#include <QPainter>

PictureWidget::PictureWidget(const QString& resource, const QString& accessibleName,
                             QWidget* parent)
    : QWidget(parent), m_renderer(resource) {
    m_renderer.setAspectRatioMode(Qt::IgnoreAspectRatio);
    setAccessibleName(accessibleName);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

const QPixmap& PictureWidget::drawing() {
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (m_drawing.size() != pixels || m_drawing.devicePixelRatio() != ratio) {
        m_drawing = QPixmap(pixels);
        m_drawing.setDevicePixelRatio(ratio);
        m_drawing.fill(Qt::transparent);
        QPainter painter(&m_drawing);
        painter.setRenderHint(QPainter::Antialiasing);
        m_renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size())));
    }
    return m_drawing;
}

void PictureWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, drawing());
}
