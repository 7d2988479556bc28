#include "ui/common/Artwork.h"

#include <QGuiApplication>
#include <QPainter>
#include <QRectF>
#include <QSvgRenderer>

namespace numberlark {

namespace {

struct PictureInfo {
    Picture picture;
    const char* path;
    QSize size;
};

constexpr int kCursorSize = 32;

const PictureInfo kPictureInfo[] = {
    {Picture::Title, ":/pictures/title.svg", {416, 127}},
    {Picture::Certificate, ":/pictures/certificate.svg", {329, 73}},
    {Picture::Whiteboard, ":/pictures/whiteboard.svg", {500, 229}},
    {Picture::Sign, ":/pictures/sign.svg", {133, 169}},
    {Picture::Clock, ":/pictures/clock.svg", {288, 66}},
    {Picture::FaceSmile, ":/pictures/face-smile.svg", {32, 32}},
    {Picture::FaceGrin, ":/pictures/face-grin.svg", {32, 32}},
};

const PictureInfo& infoFor(Picture picture)
{
    for (const auto& info : kPictureInfo) {
        if (info.picture == picture) {
            return info;
        }
    }
    return kPictureInfo[0];
}

QPixmap renderSvg(const QString& path, QSize size, qreal devicePixelRatio)
{
    QSvgRenderer renderer(path);
    if (!renderer.isValid()) {
        return {};
    }
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(pixmap.size())));
    }
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

qreal screenRatio()
{
    return qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
}

QCursor svgCursor(const QString& path, int hotX, int hotY)
{
    const QPixmap pixmap = renderSvg(path, QSize(kCursorSize, kCursorSize), screenRatio());
    return pixmap.isNull() ? QCursor(Qt::ArrowCursor) : QCursor(pixmap, hotX, hotY);
}

} // namespace

QString resourcePath(Picture picture)
{
    return QString::fromLatin1(infoFor(picture).path);
}

QSize naturalSize(Picture picture)
{
    return infoFor(picture).size;
}

QPixmap renderPicture(Picture picture, qreal devicePixelRatio)
{
    return renderSvg(resourcePath(picture), naturalSize(picture), devicePixelRatio);
}

bool paintPicture(QPainter& painter, Picture picture, const QRectF& target)
{
    QSvgRenderer renderer(resourcePath(picture));
    if (!renderer.isValid()) {
        return false;
    }
    renderer.render(&painter, target);
    return true;
}

QIcon windowIcon()
{
    QIcon icon;
    for (int side : {16, 32, 48, 64, 128}) {
        icon.addPixmap(renderSvg(QStringLiteral(":/icons/numberlark.svg"), QSize(side, side), 1.0));
    }
    return icon;
}

// Hot spots, in logical pixels of the 32 x 32 drawing: the point of the
// tick, and the tip of the raised index finger (both marked in the SVGs).
QCursor tickCursor()
{
    return svgCursor(QStringLiteral(":/cursors/tick.svg"), 12, 27);
}

QCursor handCursor()
{
    return svgCursor(QStringLiteral(":/cursors/hand.svg"), 14, 2);
}

} // namespace numberlark
