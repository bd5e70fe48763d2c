// SPDX-License-Identifier: MIT
#include "views/ratingchart.h"

#include "stats/numbertext.h"

#include <QHelpEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>
#include <QToolTip>
#include <cmath>

namespace {

enum class Marker { Square, Triangle, Diamond, Cross, Circle };

struct LineStyle {
    QColor colour;
    Marker marker;
    Qt::PenStyle pen;
};

// Short, Medium, Long, Blitz, All: colours that stay apart for colour-blind eyes, and a marker
// and a dash of their own for eyes that see no colour at all.
const LineStyle lineStyles[PassLineCount] = {
    {QColor(0, 114, 178), Marker::Square, Qt::DashLine},
    {QColor(230, 159, 0), Marker::Triangle, Qt::DashDotLine},
    {QColor(0, 158, 115), Marker::Diamond, Qt::DotLine},
    {QColor(213, 94, 0), Marker::Cross, Qt::DashDotDotLine},
    {QColor(0, 0, 0), Marker::Circle, Qt::SolidLine},
};

constexpr double markerRadius = 4.0;
constexpr double hoverRadius = 6.0;
constexpr double sameSpot = 0.5;
constexpr double ratingTicks[] = {0, 40, 80, 120, RatingChartTop};
constexpr int mostSeasonLabels = 15;
constexpr int legendWidth = 104;

void drawMarker(QPainter& painter, Marker marker, const QPointF& at) {
    const double r = markerRadius;
    switch (marker) {
    case Marker::Square:
        painter.drawRect(QRectF(at.x() - r, at.y() - r, 2 * r, 2 * r));
        break;
    case Marker::Triangle:
        painter.drawPolygon(QPolygonF{
            {at.x(), at.y() - r - 1}, {at.x() + r + 1, at.y() + r}, {at.x() - r - 1, at.y() + r}});
        break;
    case Marker::Diamond:
        painter.drawPolygon(QPolygonF{{at.x(), at.y() - r - 1},
                                      {at.x() + r + 1, at.y()},
                                      {at.x(), at.y() + r + 1},
                                      {at.x() - r - 1, at.y()}});
        break;
    case Marker::Cross:
        painter.drawLine(QPointF(at.x() - r, at.y() - r), QPointF(at.x() + r, at.y() + r));
        painter.drawLine(QPointF(at.x() - r, at.y() + r), QPointF(at.x() + r, at.y() - r));
        break;
    case Marker::Circle:
        painter.drawEllipse(at, r, r);
        break;
    }
}

void useStyle(QPainter& painter, const LineStyle& style, Qt::PenStyle penStyle) {
    painter.setPen(QPen(style.colour, 1.6, penStyle));
    painter.setBrush(style.marker == Marker::Circle ? QBrush(style.colour) : QBrush(Qt::white));
}

} // namespace

RatingChart::RatingChart(RatingTrend trend, QString decimalPoint, QWidget* parent)
    : QWidget(parent), m_trend(std::move(trend)), m_decimalPoint(std::move(decimalPoint)) {
    setAccessibleName(tr("Passer rating by season"));
    setAccessibleDescription(ratingTrendDescription(m_trend, m_decimalPoint));
    setMinimumSize(420, 200);
}

QSize RatingChart::sizeHint() const {
    return {560, 240};
}

QRectF RatingChart::plotArea() const {
    return QRectF(QPointF(44, 10), QPointF(width() - legendWidth - 12, height() - 34));
}

QPointF RatingChart::pointPosition(const RatingPoint& point) const {
    const QRectF area = plotArea().adjusted(12, 0, -12, 0);
    const int span = std::max(1, m_trend.lastSeason - 1);
    const double across = m_trend.lastSeason <= 1 ? 0.5 : double(point.season - 1) / span;
    const double up = double(point.rating.tenThousandths) / 10000.0 / RatingChartTop;
    return {area.left() + across * area.width(), area.bottom() - up * area.height()};
}

QString RatingChart::toolTipAt(const QPoint& position) const {
    const auto distanceTo = [&](const RatingPoint& point) {
        return QLineF(pointPosition(point), position).length();
    };
    double nearest = hoverRadius;
    for (const RatingLine& line : m_trend.lines)
        for (const RatingPoint& point : line.points)
            nearest = std::min(nearest, distanceTo(point));
    // The nearest point speaks, with any drawn on the same spot.
    QStringList texts;
    for (const RatingLine& line : m_trend.lines)
        for (const RatingPoint& point : line.points)
            if (distanceTo(point) <= std::min(hoverRadius, nearest + sameSpot))
                texts << ratingPointText(line, point, m_decimalPoint);
    return texts.join(u'\n');
}

bool RatingChart::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    auto* help = static_cast<QHelpEvent*>(event);
    const QString text = toolTipAt(help->pos());
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), text, this);
    return true;
}

void RatingChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    drawAxes(painter);
    if (m_trend.lastSeason == 0) {
        painter.setPen(Qt::black);
        painter.drawText(plotArea(), Qt::AlignCenter | Qt::TextWordWrap, m_trend.emptyText);
        return;
    }
    for (std::size_t line = 0; line < PassLineCount; ++line)
        drawLine(painter, line);
    drawLegend(painter);
}

void RatingChart::drawAxes(QPainter& painter) const {
    const QRectF area = plotArea();
    const QFontMetrics metrics(font());
    for (const double tick : ratingTicks) {
        const auto rating = Currency{std::llround(tick * 10000)};
        const double y = pointPosition({1, rating}).y();
        painter.setPen(QColor(220, 220, 220));
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(0, y - 8, area.left() - 4, 16), Qt::AlignRight | Qt::AlignVCenter,
                         currencyText(rating, m_decimalPoint));
    }
    painter.drawLine(area.bottomLeft(), area.bottomRight());
    painter.drawLine(area.bottomLeft(), area.topLeft());
    const int step = (m_trend.lastSeason + mostSeasonLabels - 1) / mostSeasonLabels;
    for (int season = 1; season <= m_trend.lastSeason; season += step) {
        const double x = pointPosition({season, {}}).x();
        painter.drawText(QRectF(x - 20, area.bottom() + 2, 40, 14), Qt::AlignCenter,
                         QString::number(season));
    }
    painter.drawText(QRectF(area.left(), area.bottom() + 16, area.width(), metrics.height()),
                     Qt::AlignCenter, tr("Season"));
}

void RatingChart::drawLine(QPainter& painter, std::size_t line) const {
    const LineStyle& style = lineStyles[line];
    const std::vector<RatingPoint>& points = m_trend.lines[line].points;
    useStyle(painter, style, style.pen);
    for (std::size_t i = 1; i < points.size(); ++i)
        // A season in which the pass was not thrown leaves a gap.
        if (points[i].season == points[i - 1].season + 1)
            painter.drawLine(pointPosition(points[i - 1]), pointPosition(points[i]));
    useStyle(painter, style, Qt::SolidLine);
    for (const RatingPoint& point : points)
        drawMarker(painter, style.marker, pointPosition(point));
}

void RatingChart::drawLegend(QPainter& painter) const {
    const double left = width() - legendWidth;
    for (std::size_t line = 0; line < PassLineCount; ++line) {
        const LineStyle& style = lineStyles[line];
        const double y = 18 + 20 * static_cast<double>(line);
        useStyle(painter, style, style.pen);
        painter.drawLine(QPointF(left, y), QPointF(left + 24, y));
        useStyle(painter, style, Qt::SolidLine);
        drawMarker(painter, style.marker, QPointF(left + 12, y));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(left + 30, y - 9, legendWidth - 30, 18),
                         Qt::AlignLeft | Qt::AlignVCenter, m_trend.lines[line].name);
    }
}
