#include "artwork/Artwork.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QRectF>
#include <QResource>
#include <QSvgRenderer>

#include <cstring>

namespace numberlark {

namespace {

struct PictureInfo {
    Picture picture;
    const char* path;
    QSize size;
};

constexpr int kCursorSize = 32;

QString g_pictureLanguage; // empty for English

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

// A bitmap the build rendered into the resources as raw premultiplied ARGB32
// (stored uncompressed): used in place, without drawing or decoding.
QPixmap rawBitmap(const QString& path, QSize pixels)
{
    const QResource resource(path);
    const qint64 expected = qint64(pixels.width()) * pixels.height() * 4;
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression ||
        resource.size() != expected) {
        return {};
    }
    // QImage reads whole pixels, so the bytes must lie on a 4-byte boundary;
    // otherwise they are copied to a buffer that does.
    if (reinterpret_cast<quintptr>(resource.data()) % 4 != 0) {
        QImage copy(pixels, QImage::Format_ARGB32_Premultiplied);
        std::memcpy(copy.bits(), resource.data(), static_cast<std::size_t>(expected));
        return QPixmap::fromImage(copy);
    }
    const QImage image(resource.data(), pixels.width(), pixels.height(),
                       QImage::Format_ARGB32_Premultiplied);
    return QPixmap::fromImage(image);
}

// Every picture is rendered ahead at 1x and 2x as ":/rendered/NAME@Sx.argb";
// other ratios are drawn from the SVG.
QPixmap prerenderedPicture(Picture picture, qreal devicePixelRatio)
{
    const int scale = devicePixelRatio == 1.0 ? 1 : devicePixelRatio == 2.0 ? 2 : 0;
    if (scale == 0) {
        return {};
    }
    const QString name = QFileInfo(resourcePath(picture)).completeBaseName();
    QPixmap pixmap = rawBitmap(QStringLiteral(":/rendered/%1@%2x.argb").arg(name).arg(scale),
                               naturalSize(picture) * scale);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

} // namespace

void setPictureLanguage(const QString& language)
{
    g_pictureLanguage = language;
}

QString resourcePath(Picture picture)
{
    QString path = QString::fromLatin1(infoFor(picture).path);
    if (g_pictureLanguage.isEmpty()) {
        return path;
    }
    QString variant = path;
    variant.insert(variant.size() - 4, QLatin1Char('.') + g_pictureLanguage); // before ".svg"
    return QFile::exists(variant) ? variant : path;
}

QSize naturalSize(Picture picture)
{
    return infoFor(picture).size;
}

QPixmap renderPicture(Picture picture, qreal devicePixelRatio)
{
    QPixmap prerendered = prerenderedPicture(picture, devicePixelRatio);
    if (!prerendered.isNull()) {
        return prerendered;
    }
    return renderPictureFromSvg(picture, devicePixelRatio);
}

QPixmap renderPictureFromSvg(Picture picture, qreal devicePixelRatio)
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
    for (int side : {16, 32, 64}) {
        QPixmap pixmap =
            rawBitmap(QStringLiteral(":/rendered/icon-%1.argb").arg(side), QSize(side, side));
        if (pixmap.isNull()) {
            pixmap = renderSvg(QStringLiteral(":/icons/numberlark.svg"), QSize(side, side), 1.0);
        }
        icon.addPixmap(pixmap);
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
