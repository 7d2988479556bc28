#include "ui/main/DrawingSurface.h"

#include "ui/main/Twips.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QResizeEvent>

#include <algorithm>
#include <numbers>

namespace numberlark {

namespace {

// One logical pixel wide, as lines drawn on the window always were.
constexpr double kPenWidthTwips = kTwipsPerPixel;

QPointF toQt(PointF point)
{
    return {point.x, point.y};
}

double degrees(double radians)
{
    return radians * 180.0 / std::numbers::pi;
}

QPen penOf(const QColor& colour)
{
    QPen pen(colour, kPenWidthTwips);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

} // namespace

DrawingSurface::DrawingSurface(QWidget* parent) : QWidget(parent) {}

void DrawingSurface::drawDialSector(const DialSector& sector)
{
    QPainter painter;
    beginTwips(painter);
    painter.setPen(penOf(m_foreground));
    painter.drawLine(toQt(sector.centre), toQt(sector.firstRadiusEnd));
    painter.drawLine(toQt(sector.centre), toQt(sector.secondRadiusEnd));
    const double r = sector.radius;
    const QRectF box(sector.centre.x - r, sector.centre.y - r, 2 * r, 2 * r);
    painter.setPen(penOf(Qt::black));
    painter.setBrush(QBrush(m_fill, Qt::SolidPattern));
    // Qt's angles, like the dial's, run counter-clockwise from 3 o'clock.
    painter.drawPie(box, qRound(degrees(sector.startAngle) * 16),
                    qRound(degrees(sector.sweepAngle) * 16));
    painter.end();
    update();
}

void DrawingSurface::drawPolylines(const std::vector<BorderPolyline>& lines)
{
    QPainter painter;
    beginTwips(painter);
    for (const auto& line : lines) {
        painter.setPen(penOf(QColor(line.colour.red, line.colour.green, line.colour.blue)));
        QPolygonF polygon;
        for (const PointF& point : line.points) {
            polygon << toQt(point);
        }
        painter.drawPolyline(polygon);
    }
    painter.end();
    update();
}

QColor DrawingSurface::drawnColourAt(PointF twips) const
{
    const qreal ratio = m_image.devicePixelRatio();
    const QPoint pixel(static_cast<int>(twips.x / kTwipsPerPixel * ratio),
                       static_cast<int>(twips.y / kTwipsPerPixel * ratio));
    if (!m_image.valid(pixel)) {
        return Qt::transparent;
    }
    return m_image.pixelColor(pixel);
}

void DrawingSurface::paintEvent(QPaintEvent* event)
{
    if (m_image.isNull()) {
        return;
    }
    QPainter painter(this);
    painter.setClipRect(event->rect());
    painter.drawImage(QPointF(0, 0), m_image);
}

void DrawingSurface::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    coverSize(event->size());
}

void DrawingSurface::coverSize(const QSize& logicalSize)
{
    const qreal ratio = devicePixelRatioF();
    const QSize needed = logicalSize * ratio;
    if (!m_image.isNull() && m_image.width() >= needed.width() &&
        m_image.height() >= needed.height()) {
        return;
    }
    QImage grown(needed.expandedTo(m_image.size()), QImage::Format_ARGB32_Premultiplied);
    grown.setDevicePixelRatio(ratio);
    grown.fill(Qt::transparent);
    if (!m_image.isNull()) {
        QPainter painter(&grown);
        painter.drawImage(QPointF(0, 0), m_image);
    }
    m_image = std::move(grown);
}

// A painter on the layer whose units are twips (a scale of 1/15 per logical pixel).
void DrawingSurface::beginTwips(QPainter& painter)
{
    coverSize(size());
    painter.begin(&m_image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(1.0 / kTwipsPerPixel, 1.0 / kTwipsPerPixel);
}

} // namespace numberlark
