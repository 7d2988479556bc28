#pragma once

#include "artwork/Artwork.h"
#include "outcome/Outcome.h"

#include <QColor>
#include <QImage>
#include <QSizeF>
#include <QString>

#include <optional>

namespace numberlark {

// The page's user space after mapPage(): the printable area runs from x = 0
// to 21 and from y = 0 (top) to 30 (bottom). The two units need not be equal.
inline constexpr float kPageWidthUnits = 21.0F;
inline constexpr float kPageHeightUnits = 30.0F;

// One printed page as a sequence of drawing operations with a current
// position. Positions are in page units; font sizes in points, whatever the
// page mapping. Any operation that draws or changes state can fail; a failure
// leaves the current position as it was.
class PageCanvas {
public:
    virtual ~PageCanvas() = default;

    virtual Outcome mapPage() = 0;
    // The printable area in millimetres, for a page laid out in millimetres.
    virtual QSizeF printableMillimetres() const = 0;

    virtual Outcome setFontName(const QString& name) = 0;
    virtual Outcome setFontSize(float points) = 0;
    virtual Outcome setBold(bool bold) = 0;
    // Text from here on, black until told otherwise. A canvas that only
    // records what is drawn may leave the colour out.
    virtual Outcome setTextColour(const QColor& /*colour*/) { return Outcome::success(); }

    virtual Outcome setX(float x) = 0;
    virtual Outcome setY(float y) = 0;
    virtual float x() const = 0;
    virtual float y() const = 0;

    // Draws text with the top-left corner of its first character cell at
    // the current position, then moves to x = 0, one line height lower.
    virtual Outcome printText(const QString& text) = 0;
    // As printText, but first starts a new line when the current position
    // is past the first column (x > 0).
    virtual Outcome printTextOnNewLine(const QString& text) = 0;
    // Moves to x = 0, one line height of the current font lower.
    virtual Outcome lineFeed() = 0;

    // An axis-parallel rectangle outline with opposite corners (x1, y1) and
    // (x2, y2), in colour or else the foreground colour. The current
    // position becomes (x2, y2).
    virtual Outcome box(float x1, float y1, float x2, float y2, std::optional<QColor> colour) = 0;
    // A rectangle filled with `fill`, outlined in `outline` when given. The
    // current position becomes (x2, y2).
    virtual Outcome filledBox(float x1, float y1, float x2, float y2, const QColor& fill,
                              std::optional<QColor> outline) = 0;

    enum class TextFit {
        Wrap,         // broken at spaces into as many lines as it needs
        OneLineElided // one line, cut short with an ellipsis when too wide
    };
    // Text in the current font inside the rectangle (x1, y1)-(x2, y2),
    // aligned within it. The current position becomes (x1, just below the
    // text drawn), so wrapped paragraphs can follow one another.
    virtual Outcome textInBox(float x1, float y1, float x2, float y2, const QString& text,
                              Qt::Alignment alignment, TextFit fit) = 0;
    // An image stretched over the rectangle (x1, y1)-(x2, y2).
    virtual Outcome image(const QImage& image, float x1, float y1, float x2, float y2) = 0;

    // The picture with its top-left corner at (x, y), at its own physical
    // size (15 twips per logical pixel), not stretched to the page units.
    virtual Outcome picture(Picture picture, float x, float y) = 0;

    // Finishes the page and hands it to its destination.
    virtual Outcome endDocument() = 0;
};

} // namespace numberlark
