// SPDX-License-Identifier: MIT
#pragma once

#include "views/ratingtrend.h"

#include <QWidget>

// The passer rating by season, drawn with one line per pass line: each has its own colour and
// marker shape, so the lines can be told apart without colour. Hovering over a point tells its
// value; the accessible description reads every value.
class RatingChart : public QWidget {
    Q_OBJECT
public:
    RatingChart(RatingTrend trend, QString decimalPoint, QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QRectF plotArea() const;
    // Where the point is drawn, in the widget's coordinates.
    QPointF pointPosition(const RatingPoint& point) const;
    // The values of the points under `position`, one per line; empty when there is none.
    QString toolTipAt(const QPoint& position) const;
    void drawAxes(QPainter& painter) const;
    void drawLine(QPainter& painter, std::size_t line) const;
    void drawLegend(QPainter& painter) const;

    RatingTrend m_trend;
    QString m_decimalPoint;
};
