// SPDX-License-Identifier: MIT
#pragma once

#include <QPixmap>
#include <QSvgRenderer>
#include <QWidget>

// A vector picture stretched to the widget, drawn at the screen's own resolution so it stays
// sharp at any display scaling. The drawing is kept until the size or the scaling changes:
// repainting the field under every press must cost a copy, not a fresh vector rendering.
class PictureWidget : public QWidget {
    Q_OBJECT
public:
    PictureWidget(const QString& resource, const QString& accessibleName,
                  QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QPixmap& drawing();

    QSvgRenderer m_renderer;
    QPixmap m_drawing;
};
