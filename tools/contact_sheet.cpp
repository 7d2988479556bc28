// Renders every picture, the window icon and both cursors side by side, at
// their natural size and at twice that size, into one PNG for review.
// Cursor hot spots are marked with a small red cross in the 2x column.
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>
#include <optional>
#include <vector>

#include "artwork/Artwork.h"
#include "ui/common/Fonts.h"

namespace {

using namespace numberlark;

struct Sample {
    QString caption;
    QImage normal;  // natural size
    QImage doubled; // twice the natural size
    std::optional<QPoint> hotSpot;
};

constexpr int kMargin = 16;
constexpr int kCaptionWidth = 190;
constexpr QRgb kBackground = 0xffe6e6e6;

// Pixels as they are, without the device pixel ratio, so a 2x rendering is
// drawn at twice the size.
QImage pixelsOf(const QPixmap& pixmap)
{
    QImage image = pixmap.toImage();
    image.setDevicePixelRatio(1.0);
    return image;
}

QImage renderSvg(const QString& path, QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QSvgRenderer(path).render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

QString captionFor(const QString& name, QSize size)
{
    return QStringLiteral("%1\n%2 x %3").arg(name).arg(size.width()).arg(size.height());
}

std::vector<Sample> pictureSamples()
{
    std::vector<Sample> samples;
    for (Picture picture : kAllPictures) {
        const QSize size = naturalSize(picture);
        samples.push_back({captionFor(QFileInfo(resourcePath(picture)).fileName(), size),
                           pixelsOf(renderPicture(picture, 1.0)),
                           pixelsOf(renderPicture(picture, 2.0)), std::nullopt});
    }
    return samples;
}

std::vector<Sample> iconAndCursorSamples()
{
    const QIcon icon = windowIcon();
    std::vector<Sample> samples{
        {captionFor(QStringLiteral("window icon"), QSize(32, 32)), icon.pixmap(32).toImage(),
         icon.pixmap(64).toImage(), std::nullopt},
        {captionFor(QStringLiteral("window icon"), QSize(16, 16)), icon.pixmap(16).toImage(),
         icon.pixmap(32).toImage(), std::nullopt},
    };
    const struct {
        const char* name;
        QCursor cursor;
        const char* path;
    } cursors[] = {{"tick cursor", tickCursor(), ":/cursors/tick.svg"},
                   {"hand cursor", handCursor(), ":/cursors/hand.svg"}};
    for (const auto& c : cursors) {
        samples.push_back(
            {captionFor(QString::fromLatin1(c.name), QSize(32, 32)), pixelsOf(c.cursor.pixmap()),
             renderSvg(QString::fromLatin1(c.path), QSize(64, 64)), c.cursor.hotSpot()});
    }
    return samples;
}

void markHotSpot(QPainter& painter, QPoint origin, QPoint hotSpot)
{
    const QPointF centre = QPointF(origin) + QPointF(hotSpot) * 2 + QPointF(1, 1);
    painter.setPen(QPen(Qt::red, 1));
    painter.drawLine(centre - QPointF(5, 0), centre + QPointF(5, 0));
    painter.drawLine(centre - QPointF(0, 5), centre + QPointF(0, 5));
}

QImage composeSheet(const std::vector<Sample>& samples)
{
    int normalWidth = 0;
    int height = kMargin;
    for (const auto& s : samples) {
        normalWidth = std::max(normalWidth, s.normal.width());
        height += std::max(s.doubled.height(), 40) + kMargin;
    }
    const int doubledX = kMargin + kCaptionWidth + normalWidth + kMargin;
    QImage sheet(doubledX + 2 * normalWidth + kMargin, height, QImage::Format_ARGB32);
    sheet.fill(kBackground);
    QPainter painter(&sheet);
    painter.setFont(QFont(QStringLiteral("Arial"), 11));
    int y = kMargin;
    for (const auto& s : samples) {
        painter.setPen(Qt::black);
        painter.drawText(QRect(kMargin, y, kCaptionWidth, 40), Qt::AlignLeft | Qt::AlignTop,
                         s.caption);
        painter.drawImage(QPoint(kMargin + kCaptionWidth, y), s.normal);
        painter.drawImage(QPoint(doubledX, y), s.doubled);
        if (s.hotSpot) {
            markHotSpot(painter, QPoint(doubledX, y), *s.hotSpot);
        }
        y += std::max(s.doubled.height(), 40) + kMargin;
    }
    return sheet;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    installFontSubstitutions();
    const QString path =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("contact-sheet.png");
    std::vector<Sample> samples = pictureSamples();
    for (auto& s : iconAndCursorSamples()) {
        samples.push_back(std::move(s));
    }
    if (!composeSheet(samples).save(path)) {
        std::fprintf(stderr, "Could not write %s\n", qPrintable(path));
        return 1;
    }
    std::printf("%s\n", qPrintable(QFileInfo(path).absoluteFilePath()));
    return 0;
}
