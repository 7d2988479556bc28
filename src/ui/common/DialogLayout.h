#pragma once

#include <QFont>
#include <QRect>
#include <QString>

class QWidget;

namespace numberlark {

// The small windows are laid out in twips (1/1440 inch); 15 twips make one
// logical pixel.
constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return {left / 15, top / 15, width / 15, height / 15};
}

// A designed font ("MS Sans Serif" 8.25 pt bold...), asked for by the
// installed face that stands in for the family.
QFont designFont(const QString& family, qreal points, bool bold, bool italic = false);

// Centres the window's outer frame on the primary screen's free area. The
// frame is only known once the window is shown, so call it again then.
void centreOnScreen(QWidget& window);

} // namespace numberlark
