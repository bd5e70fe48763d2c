// SPDX-License-Identifier: MIT
#pragma once

#include "views/ratingtrend.h"

#include <QWidget>

// The passer rating by season, drawn with one line per view line: each has its own colour and
// marker shape, so the lines can be told apart without colour. Hovering over a point tells its
// value until the pointer leaves it or the chart changes size; the accessible description reads
// every value.
class RatingChart : public QWidget {
    Q_OBJECT
public:
    RatingChart(RatingTrend trend, QString decimalPoint, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    // Where the point is drawn, in the widget's coordinates.
    QPointF pointPosition(const RatingPoint& point) const;
    // How high a rating stands, in the widget's coordinates.
    double ratingY(FixedPoint4 rating) const;

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // The values of the points under the pointer, one per line, and the spot the pointer may
    // roam while they show; an empty text when there is none.
    struct PointTip {
        QString text;
        QRect spot;
    };

    QRectF plotArea() const;
    PointTip tipAt(const QPoint& position) const;
    void drawAxes(QPainter& painter) const;
    void drawRatingAxis(QPainter& painter) const;
    void drawLine(QPainter& painter, std::size_t line) const;
    void drawLegend(QPainter& painter) const;

    RatingTrend m_trend;
    QString m_decimalPoint;
};
