// SPDX-License-Identifier: MIT
#include "views/ratingchart.h"

#include "stats/numbertext.h"
#include "views/chartstyle.h"
#include "views/playtypetable.h"

#include <QHelpEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>
#include <QToolTip>
#include <cmath>

namespace {

QColor qColor(const ChartColour& colour) {
    return {colour.red, colour.green, colour.blue};
}

constexpr double markerRadius = 4.0;
constexpr double hoverRadius = 6.0;
constexpr double sameSpot = 0.5;
constexpr int mostSeasonLabels = 15;
constexpr int legendWidth = 104;

void drawMarker(QPainter& painter, ChartMarker marker, const QPointF& at) {
    const double r = markerRadius;
    switch (marker) {
    case ChartMarker::Square:
        painter.drawRect(QRectF(at.x() - r, at.y() - r, 2 * r, 2 * r));
        break;
    case ChartMarker::Triangle:
        painter.drawPolygon(QPolygonF{
            {at.x(), at.y() - r - 1}, {at.x() + r + 1, at.y() + r}, {at.x() - r - 1, at.y() + r}});
        break;
    case ChartMarker::Diamond:
        painter.drawPolygon(QPolygonF{{at.x(), at.y() - r - 1},
                                      {at.x() + r + 1, at.y()},
                                      {at.x(), at.y() + r + 1},
                                      {at.x() - r - 1, at.y()}});
        break;
    case ChartMarker::Cross:
        painter.drawLine(QPointF(at.x() - r, at.y() - r), QPointF(at.x() + r, at.y() + r));
        painter.drawLine(QPointF(at.x() - r, at.y() + r), QPointF(at.x() + r, at.y() - r));
        break;
    case ChartMarker::Circle:
        painter.drawEllipse(at, r, r);
        break;
    }
}

void useStyle(QPainter& painter, std::size_t line, Qt::PenStyle penStyle) {
    const QColor colour = qColor(viewLineStyle(line).colour);
    painter.setPen(QPen(colour, 1.6, penStyle));
    painter.setBrush(viewLineStyle(line).marker == ChartMarker::Circle
                         ? QBrush(colour)
                         : QBrush(qColor(ChartBackground)));
}

} // namespace

RatingChart::RatingChart(RatingTrend trend, QString decimalPoint, QWidget* parent)
    : QWidget(parent), m_trend(std::move(trend)), m_decimalPoint(std::move(decimalPoint)) {
    setAccessibleName(tr("Passer rating by season"));
    setAccessibleDescription(ratingTrendDescription(m_trend, m_decimalPoint));
    setMinimumSize(420, 200);
    // The pointer's moves reach the tooltip, which goes once the pointer leaves its point.
    setMouseTracking(true);
}

QSize RatingChart::sizeHint() const {
    return {560, 240};
}

QRectF RatingChart::plotArea() const {
    const QFontMetrics metrics(font());
    // The axis title and the tick labels to the left; the seasons and their title below.
    const double left = metrics.height() + metrics.horizontalAdvance(wholeText(RatingAxisTop)) + 14;
    const double top = metrics.height() / 2.0 + 4;
    return QRectF(QPointF(left, top),
                  QPointF(width() - legendWidth - 12, height() - 2 * metrics.height() - 6));
}

double RatingChart::ratingY(FixedPoint4 rating) const {
    const QRectF area = plotArea();
    const double up = double(rating.tenThousandths) / 10000.0 / RatingAxisTop;
    return area.bottom() - up * area.height();
}

QPointF RatingChart::pointPosition(const RatingPoint& point) const {
    const QRectF area = plotArea().adjusted(12, 0, -12, 0);
    const int span = std::max(1, m_trend.lastSeason - 1);
    const double across = m_trend.lastSeason <= 1 ? 0.5 : double(point.season - 1) / span;
    return {area.left() + across * area.width(), ratingY(point.rating)};
}

RatingChart::PointTip RatingChart::tipAt(const QPoint& position) const {
    const auto distanceTo = [&](const RatingPoint& point) {
        return QLineF(pointPosition(point), position).length();
    };
    double nearest = hoverRadius;
    QPointF spot;
    for (const RatingLine& line : m_trend.lines)
        for (const RatingPoint& point : line.points)
            if (distanceTo(point) < nearest) {
                nearest = distanceTo(point);
                spot = pointPosition(point);
            }
    // The nearest point speaks, with any drawn on the same spot.
    QStringList texts;
    for (const RatingLine& line : m_trend.lines)
        for (const RatingPoint& point : line.points)
            if (distanceTo(point) <= std::min(hoverRadius, nearest + sameSpot))
                texts << ratingPointText(line, point, m_decimalPoint);
    const QPointF reach(hoverRadius, hoverRadius);
    return {texts.join(u'\n'), QRectF(spot - reach, spot + reach).toAlignedRect()};
}

bool RatingChart::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    auto* help = static_cast<QHelpEvent*>(event);
    const PointTip tip = tipAt(help->pos());
    if (tip.text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), tip.text, this, tip.spot);
    return true;
}

// After a resize the points stand elsewhere, so a value shown for one would point at nothing.
void RatingChart::resizeEvent(QResizeEvent*) {
    QToolTip::hideText();
}

void RatingChart::leaveEvent(QEvent*) {
    QToolTip::hideText();
}

void RatingChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), qColor(ChartBackground));
    painter.setRenderHint(QPainter::Antialiasing);
    drawAxes(painter);
    if (m_trend.lastSeason == 0) {
        painter.setPen(Qt::black);
        painter.drawText(plotArea(), Qt::AlignCenter | Qt::TextWordWrap, m_trend.emptyText);
        return;
    }
    for (std::size_t line = 0; line < ViewLineCount; ++line)
        drawLine(painter, line);
    drawLegend(painter);
}

void RatingChart::drawAxes(QPainter& painter) const {
    drawRatingAxis(painter);
    const QRectF area = plotArea();
    const double lineHeight = QFontMetrics(font()).height();
    painter.setPen(Qt::black);
    painter.drawLine(area.bottomLeft(), area.bottomRight());
    painter.drawLine(area.bottomLeft(), area.topLeft());
    const int step = (m_trend.lastSeason + mostSeasonLabels - 1) / mostSeasonLabels;
    for (int season = 1; season <= m_trend.lastSeason; season += step) {
        const double x = pointPosition({season, {}}).x();
        painter.drawText(QRectF(x - 20, area.bottom() + 2, 40, lineHeight), Qt::AlignCenter,
                         wholeText(season));
    }
    painter.drawText(QRectF(area.left(), area.bottom() + 2 + lineHeight, area.width(), lineHeight),
                     Qt::AlignCenter, tr("Season"));
}

void RatingChart::drawRatingAxis(QPainter& painter) const {
    const QRectF area = plotArea();
    const double lineHeight = QFontMetrics(font()).height();
    const QStringList labels = ratingAxisLabels();
    for (qsizetype tick = 0; tick < labels.size(); ++tick) {
        const double y = ratingY(FixedPoint4{tick * RatingAxisStep * 10000LL});
        painter.setPen(QColor(220, 220, 220));
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(0, y - lineHeight / 2, area.left() - 4, lineHeight),
                         Qt::AlignRight | Qt::AlignVCenter, labels[tick]);
    }
    const double top = ratingY(highestRating());
    painter.setPen(QPen(QColor(96, 96, 96), 1, Qt::DashLine));
    painter.drawLine(QPointF(area.left(), top), QPointF(area.right(), top));
    painter.drawText(QRectF(area.left(), top + 1, area.width() - 4, lineHeight),
                     Qt::AlignRight | Qt::AlignTop, highestRatingText(m_decimalPoint));
    painter.save();
    painter.setPen(Qt::black);
    painter.translate(0, area.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-area.height() / 2, 2, area.height(), lineHeight), Qt::AlignCenter,
                     ratingAxisTitle());
    painter.restore();
}

void RatingChart::drawLine(QPainter& painter, std::size_t line) const {
    const std::vector<RatingPoint>& points = m_trend.lines[line].points;
    useStyle(painter, line, viewLineStyle(line).dash);
    for (std::size_t i = 1; i < points.size(); ++i)
        // A season in which the pass was not thrown leaves a gap.
        if (points[i].season == points[i - 1].season + 1)
            painter.drawLine(pointPosition(points[i - 1]), pointPosition(points[i]));
    useStyle(painter, line, Qt::SolidLine);
    for (const RatingPoint& point : points)
        drawMarker(painter, viewLineStyle(line).marker, pointPosition(point));
}

void RatingChart::drawLegend(QPainter& painter) const {
    const double left = width() - legendWidth;
    const double rowHeight = QFontMetrics(font()).height() + 6;
    for (std::size_t line = 0; line < ViewLineCount; ++line) {
        const double y = plotArea().top() + rowHeight * (static_cast<double>(line) + 0.5);
        useStyle(painter, line, viewLineStyle(line).dash);
        painter.drawLine(QPointF(left, y), QPointF(left + 24, y));
        useStyle(painter, line, Qt::SolidLine);
        drawMarker(painter, viewLineStyle(line).marker, QPointF(left + 12, y));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(left + 30, y - rowHeight / 2, legendWidth - 30, rowHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, m_trend.lines[line].name);
    }
}
