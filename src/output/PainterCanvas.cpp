#include "output/PainterCanvas.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QImage>
#include <QPaintDevice>
#include <QPen>

namespace numberlark {

namespace {

constexpr double kTwipsPerInch = 1440.0;
constexpr double kTwipsPerPixel = 15.0;
// One printer dot is too faint at today's resolutions; this is a fine pen
// stroke (about 0.17 mm) on any device.
constexpr double kLineWidthInches = 1.0 / 150.0;
constexpr double kMillimetresPerInch = 25.4;

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

QSizeF PainterCanvas::printableMillimetres() const
{
    return {m_device.width() * kMillimetresPerInch / m_device.logicalDpiX(),
            m_device.height() * kMillimetresPerInch / m_device.logicalDpiY()};
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

Outcome PainterCanvas::setTextColour(const QColor& colour)
{
    m_textColour = colour;
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

QRectF PainterCanvas::toDevice(float x1, float y1, float x2, float y2) const
{
    return QRectF(toDevice(x1, y1), toDevice(x2, y2)).normalized();
}

QPen PainterCanvas::linePen(const QColor& colour) const
{
    QPen pen(colour);
    pen.setWidthF(kLineWidthInches * m_device.logicalDpiX());
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
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
    m_painter.setPen(QPen(m_textColour));
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
    m_painter.setPen(linePen(colour.value_or(QColor(Qt::black))));
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawRect(toDevice(x1, y1, x2, y2));
    m_x = x2;
    m_y = y2;
    return Outcome::success();
}

Outcome PainterCanvas::filledBox(float x1, float y1, float x2, float y2, const QColor& fill,
                                 std::optional<QColor> outline)
{
    if (!m_painter.isActive()) {
        return notPainting();
    }
    m_painter.setPen(outline ? linePen(*outline) : QPen(Qt::NoPen));
    m_painter.setBrush(fill);
    m_painter.drawRect(toDevice(x1, y1, x2, y2));
    m_x = x2;
    m_y = y2;
    return Outcome::success();
}

Outcome PainterCanvas::textInBox(float x1, float y1, float x2, float y2, const QString& text,
                                 Qt::Alignment alignment, TextFit fit)
{
    if (!m_painter.isActive()) {
        return notPainting();
    }
    const QRectF area = toDevice(x1, y1, x2, y2);
    QString shown = text;
    int flags = static_cast<int>(alignment);
    if (fit == TextFit::OneLineElided) {
        shown = QFontMetricsF(m_font, &m_device).elidedText(text, Qt::ElideRight, area.width());
    } else {
        flags |= Qt::TextWordWrap;
    }
    m_painter.setFont(m_font);
    m_painter.setPen(QPen(m_textColour));
    QRectF used;
    m_painter.drawText(area, flags, shown, &used);
    m_x = x1;
    m_y = y1 + static_cast<float>(used.height() / m_unitY);
    return Outcome::success();
}

Outcome PainterCanvas::image(const QImage& image, float x1, float y1, float x2, float y2)
{
    if (!m_painter.isActive()) {
        return notPainting();
    }
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform);
    m_painter.drawImage(toDevice(x1, y1, x2, y2), image);
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
