#pragma once

#include <functional>

class QWidget;

namespace numberlark {

// 1440 twips make an inch and 15 twips one logical pixel, so Qt's device-
// independent pixels carry the scaling on HiDPI screens.
inline constexpr float kTwipsPerPixel = 15.0f;

struct SizeTwips {
    float width = 0.0f;
    float height = 0.0f;
};

// Reads the main window's outer size when asked, in twips.
using OuterSize = std::function<SizeTwips()>;

// Twips become whole pixels only here, at the last step, rounded to nearest.
int toPixels(float twips);
float toTwips(int pixels);

float leftTwips(const QWidget& widget);
float topTwips(const QWidget& widget);
float widthTwips(const QWidget& widget);
float heightTwips(const QWidget& widget);
void setLeftTwips(QWidget& widget, float left);
void setTopTwips(QWidget& widget, float top);
void setWidthTwips(QWidget& widget, float width);

// The window's outer size (frame, title bar and menu bar included). Where the
// window system reports no frame (offscreen, some Wayland sessions) the frame
// geometry equals the widget's own, which for a main window is its client
// area plus the menu bar.
SizeTwips outerSizeTwips(const QWidget& window);

} // namespace numberlark
