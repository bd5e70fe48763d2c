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

void PictureWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    m_renderer.render(&painter, QRectF(rect()));
}
