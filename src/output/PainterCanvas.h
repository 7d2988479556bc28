#pragma once

#include "output/PageCanvas.h"

#include <QFont>
#include <QPainter>

#include <functional>

class QPaintDevice;

namespace numberlark {

// A page canvas that paints on a device through QPainter: a QPrinter, a
// QPdfWriter, or an image in tests. The device's painter space (0, 0) to
// (width, height) is taken as the printable area. Positions are converted to
// device pixels here, so the painter keeps no scaling and fonts come out at
// their point size on the device whatever the page mapping.
class PainterCanvas final : public PageCanvas {
public:
    // Runs after the painter has ended: e.g. commits the file behind the device.
    using Finish = std::function<Outcome()>;

    explicit PainterCanvas(QPaintDevice& device, Finish finish = {});
    ~PainterCanvas() override;
    PainterCanvas(const PainterCanvas&) = delete;
    PainterCanvas& operator=(const PainterCanvas&) = delete;

    // Starts painting; fails when the device cannot be opened (for a
    // printer: the print job could not be started).
    Outcome begin();

    Outcome mapPage() override;
    QSizeF printableMillimetres() const override;
    Outcome setFontName(const QString& name) override;
    Outcome setFontSize(float points) override;
    Outcome setBold(bool bold) override;
    Outcome setTextColour(const QColor& colour) override;
    Outcome setX(float x) override;
    Outcome setY(float y) override;
    float x() const override { return m_x; }
    float y() const override { return m_y; }
    Outcome printText(const QString& text) override;
    Outcome printTextOnNewLine(const QString& text) override;
    Outcome lineFeed() override;
    Outcome box(float x1, float y1, float x2, float y2, std::optional<QColor> colour) override;
    Outcome filledBox(float x1, float y1, float x2, float y2, const QColor& fill,
                      std::optional<QColor> outline) override;
    Outcome textInBox(float x1, float y1, float x2, float y2, const QString& text,
                      Qt::Alignment alignment, TextFit fit) override;
    Outcome image(const QImage& image, float x1, float y1, float x2, float y2) override;
    Outcome picture(Picture picture, float x, float y) override;
    Outcome endDocument() override;

private:
    Outcome notPainting() const;
    QPointF toDevice(float x, float y) const;
    QRectF toDevice(float x1, float y1, float x2, float y2) const;
    QPen linePen(const QColor& colour) const;
    // The current font's line spacing on the device, in page units.
    float lineHeight() const;
    void newLine();

    QPaintDevice& m_device;
    Finish m_finish;
    QPainter m_painter;
    QFont m_font;
    QColor m_textColour{Qt::black};
    // Device pixels per page unit; twips until the page is mapped.
    double m_unitX = 1.0;
    double m_unitY = 1.0;
    float m_x = 0.0F;
    float m_y = 0.0F;
};

} // namespace numberlark
