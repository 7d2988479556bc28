#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

class QPainter;
class QRectF;

namespace numberlark {

// The program's pictures. Each is an SVG in the resource file with a fixed
// natural size in logical pixels; the window layout depends on those sizes.
enum class Picture { Title, Certificate, Whiteboard, Sign, Clock, FaceSmile, FaceGrin };

inline constexpr Picture kAllPictures[] = {
    Picture::Title, Picture::Certificate, Picture::Whiteboard, Picture::Sign,
    Picture::Clock, Picture::FaceSmile,   Picture::FaceGrin};

// Pictures with words in them come in a variant per language
// ("sign.de.svg"); the others, and English, use the plain one.
void setPictureLanguage(const QString& language);

QString resourcePath(Picture picture);
QSize naturalSize(Picture picture);

// Renders at the natural size times the device pixel ratio, so the picture
// stays crisp on HiDPI screens. A picture that fails to load gives a null pixmap.
QPixmap renderPicture(Picture picture, qreal devicePixelRatio = 1.0);
// The same picture drawn from its SVG, bypassing the bitmaps the build
// renders ahead for 1x and 2x screens.
QPixmap renderPictureFromSvg(Picture picture, qreal devicePixelRatio = 1.0);

// Draws the picture scaled into target (any paint device: screen, printer, PDF).
bool paintPicture(QPainter& painter, Picture picture, const QRectF& target);

QIcon windowIcon();
QCursor tickCursor();
QCursor handCursor();

} // namespace numberlark
