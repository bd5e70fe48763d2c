// SPDX-License-Identifier: MIT
#pragma once

#include <QSvgRenderer>
#include <QWidget>

// A vector picture stretched to the widget, drawn afresh at the screen's own resolution so it
// stays sharp at any display scaling.
class PictureWidget : public QWidget {
    Q_OBJECT
public:
    PictureWidget(const QString& resource, const QString& accessibleName,
                  QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSvgRenderer m_renderer;
};
