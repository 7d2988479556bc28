#include "output/PainterCanvas.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPen>

namespace numberlark {

namespace {

constexpr double kTwipsPerInch = 1440.0;
constexpr double kTwipsPerPixel = 15.0;
// One printer dot is too faint at today's resolutions; this is a fine pen
// stroke (about 0.17 mm) on any device.
constexpr double kLineWidthInches = 1.0 / 150.0;

} // namespace

PainterCanvas::PainterCanvas(QPaintDevice& device, Finish finish)
    : m_device(device), m_finish(std::move(finish)), m_unitX(device.logicalDpiX() / kTwipsPerInch),
      m_unitY(device.logicalDpiY() / kTwipsPerInch)
{
}

PainterCanvas::~PainterCanvas()
{
    if (m_painter.isActive()) {
        m_painter.end();
    }
}

Outcome PainterCanvas::begin()
{
    if (m_painter.isActive()) {
        return Outcome::success();
    }
    if (!m_painter.begin(&m_device)) {
        return Outcome::failure(
            QCoreApplication::translate("PainterCanvas", "The page could not be started."));
    }
    m_painter.setRenderHint(QPainter::Antialiasing);
    m_painter.setRenderHint(QPainter::TextAntialiasing);
    return Outcome::success();
}

Outcome PainterCanvas::notPainting() const
{
    return Outcome::failure(
        QCoreApplication::translate("PainterCanvas", "The page is not open for drawing."));
}

Outcome PainterCanvas::mapPage()
{
    m_unitX = m_device.width() / static_cast<double>(kPageWidthUnits);
    m_unitY = m_device.height() / static_cast<double>(kPageHeightUnits);
    m_x = 0.0F;
    m_y = 0.0F;
    return Outcome::success();
}

Outcome PainterCanvas::setFontName(const QString& name)
{
    m_font.setFamily(name);
    return Outcome::success();
}

Outcome PainterCanvas::setFontSize(float points)
{
    if (!(points > 0.0F)) {
        return Outcome::failure(
            QCoreApplication::translate("PainterCanvas", "Invalid font size %1.").arg(points));
    }
    m_font.setPointSizeF(points);
    return Outcome::success();
}

Outcome PainterCanvas::setBold(bool bold)
{
    m_font.setBold(bold);
    return Outcome::success();
}

Outcome PainterCanvas::setX(float x)
{
    m_x = x;
    return Outcome::success();
}

Outcome PainterCanvas::setY(float y)
{
    m_y = y;
    return Outcome::success();
}

QPointF PainterCanvas::toDevice(float x, float y) const
{
    return {x * m_unitX, y * m_unitY};
}

float PainterCanvas::lineHeight() const
{
    const QFontMetricsF metrics(m_font, &m_device);
    return static_cast<float>(metrics.lineSpacing() / m_unitY);
}

void PainterCanvas::newLine()
{
    m_x = 0.0F;
    m_y += lineHeight();
}

Outcome PainterCanvas::printText(const QString& text)
{
    if (!m_painter.isActive()) {
        return notPainting();
    }
    const QFontMetricsF metrics(m_font, &m_device);
    m_painter.setFont(m_font);
    m_painter.setPen(QPen(Qt::black));
    m_painter.drawText(toDevice(m_x, m_y) + QPointF(0.0, metrics.ascent()), text);
    newLine();
    return Outcome::success();
}

Outcome PainterCanvas::printTextOnNewLine(const QString& text)
{
    if (!m_painter.isActive()) {
        return notPainting();
    }
    if (m_x > 0.0F) {
        newLine();
    }
    return printText(text);
}

Outcome PainterCanvas::lineFeed()
{
    newLine();
    return Outcome::success();
}

Outcome PainterCanvas::box(float x1, float y1, float x2, float y2, std::optional<QColor> colour)
{
    if (!m_painter.isActive()) {
        return notPainting();
    }
    QPen pen(colour.value_or(QColor(Qt::black)));
    pen.setWidthF(kLineWidthInches * m_device.logicalDpiX());
    pen.setJoinStyle(Qt::MiterJoin);
    m_painter.setPen(pen);
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawRect(QRectF(toDevice(x1, y1), toDevice(x2, y2)).normalized());
    m_x = x2;
    m_y = y2;
    return Outcome::success();
}

Outcome PainterCanvas::picture(Picture picture, float x, float y)
{
    if (!m_painter.isActive()) {
        return notPainting();
    }
    const QSizeF twips = QSizeF(naturalSize(picture)) * kTwipsPerPixel;
    const QSizeF size(twips.width() / kTwipsPerInch * m_device.logicalDpiX(),
                      twips.height() / kTwipsPerInch * m_device.logicalDpiY());
    if (!paintPicture(m_painter, picture, QRectF(toDevice(x, y), size))) {
        return Outcome::failure(
            QCoreApplication::translate("PainterCanvas", "The picture %1 could not be drawn.")
                .arg(resourcePath(picture)));
    }
    return Outcome::success();
}

Outcome PainterCanvas::endDocument()
{
    if (!m_painter.isActive()) {
        return notPainting();
    }
    if (!m_painter.end()) {
        return Outcome::failure(
            QCoreApplication::translate("PainterCanvas", "The page could not be finished."));
    }
    return m_finish ? m_finish() : Outcome::success();
}

} // namespace numberlark
