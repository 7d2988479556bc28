#include "ui/common/DialogLayout.h"

#include "ui/common/Fonts.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace numberlark {

QFont designFont(const QString& family, qreal points, bool bold, bool italic)
{
    QFont font(installedFamily(family));
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

void centreOnScreen(QWidget& window)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->availableGeometry();
    const QSize outer = window.frameGeometry().size();
    window.move(area.x() + (area.width() - outer.width()) / 2,
                area.y() + (area.height() - outer.height()) / 2);
}

} // namespace numberlark
