#include "ui/main/Twips.h"

#include <QWidget>

#include <cmath>

namespace numberlark {

int toPixels(float twips)
{
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

float toTwips(int pixels)
{
    return static_cast<float>(pixels) * kTwipsPerPixel;
}

float leftTwips(const QWidget& widget)
{
    return toTwips(widget.x());
}

float topTwips(const QWidget& widget)
{
    return toTwips(widget.y());
}

float widthTwips(const QWidget& widget)
{
    return toTwips(widget.width());
}

float heightTwips(const QWidget& widget)
{
    return toTwips(widget.height());
}

void setLeftTwips(QWidget& widget, float left)
{
    widget.move(toPixels(left), widget.y());
}

void setTopTwips(QWidget& widget, float top)
{
    widget.move(widget.x(), toPixels(top));
}

void setWidthTwips(QWidget& widget, float width)
{
    widget.resize(toPixels(width), widget.height());
}

SizeTwips outerSizeTwips(const QWidget& window)
{
    const QRect frame = window.frameGeometry();
    return {toTwips(frame.width()), toTwips(frame.height())};
}

} // namespace numberlark
