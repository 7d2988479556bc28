// The window layout places labels over parts of the pictures (the question
// and answer on the whiteboard, the progress text on the sign, the seconds
// on the clock's display) and sizes every picture from its natural size.
// These tests load each picture through the resource file, as the program
// does, and check those contracts, so a missing, mistyped or redrawn
// picture is caught here rather than as an empty space at run time.
#include <QColor>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QSet>
#include <QSvgRenderer>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>

#include "artwork/Artwork.h"

namespace numberlark {
namespace {

struct Expected {
    Picture picture;
    const char* name;
    QSize size;
};

const Expected kExpected[] = {
    {Picture::Title, "title", {416, 127}},
    {Picture::Certificate, "certificate", {329, 73}},
    {Picture::Whiteboard, "whiteboard", {500, 229}},
    {Picture::Sign, "sign", {133, 169}},
    {Picture::Clock, "clock", {288, 66}},
    {Picture::FaceSmile, "face-smile", {32, 32}},
    {Picture::FaceGrin, "face-grin", {32, 32}},
};

QImage imageOf(const QPixmap& pixmap)
{
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
}

int opaquePercent(const QImage& image)
{
    qsizetype opaque = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            opaque += qAlpha(image.pixel(x, y)) > 128 ? 1 : 0;
        }
    }
    return int(opaque * 100 / (qsizetype(image.width()) * image.height()));
}

int colourCount(const QImage& image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            colours.insert(image.pixel(x, y));
        }
    }
    return int(colours.size());
}

TEST(ArtworkTest, EveryPictureLoadsAtItsNaturalSizeAndShowsSomething)
{
    for (const auto& e : kExpected) {
        SCOPED_TRACE(e.name);
        EXPECT_TRUE(QFile::exists(resourcePath(e.picture)));
        EXPECT_EQ(naturalSize(e.picture), e.size);
        QSvgRenderer renderer(resourcePath(e.picture));
        ASSERT_TRUE(renderer.isValid());
        EXPECT_EQ(renderer.defaultSize(), e.size) << "the SVG's own width and height";

        const QPixmap pixmap = renderPicture(e.picture);
        ASSERT_FALSE(pixmap.isNull());
        EXPECT_EQ(pixmap.size(), e.size);
        const QImage image = imageOf(pixmap);
        EXPECT_GE(opaquePercent(image), 25);
        EXPECT_GE(colourCount(image), 3);
    }
}

TEST(ArtworkTest, DoubleRatioRendersTwiceThePixelsAtTheSameLogicalSize)
{
    for (const auto& e : kExpected) {
        SCOPED_TRACE(e.name);
        const QPixmap pixmap = renderPicture(e.picture, 2.0);
        ASSERT_FALSE(pixmap.isNull());
        EXPECT_EQ(pixmap.size(), e.size * 2);
        EXPECT_EQ(pixmap.deviceIndependentSize().toSize(), e.size);
        EXPECT_GE(opaquePercent(imageOf(pixmap)), 25);
    }
}

// The 1x and 2x bitmaps the build makes must be the very pictures the SVGs
// draw; any other ratio is drawn from the SVG directly.
TEST(ArtworkTest, BitmapsMadeAtBuildTimeMatchTheSvgDrawing)
{
    for (const auto& e : kExpected) {
        for (const char* scale : {"1", "2"}) {
            EXPECT_TRUE(QFile::exists(QStringLiteral(":/rendered/%1@%2x.argb").arg(e.name, scale)))
                << e.name << " at " << scale << "x";
        }
        for (const qreal ratio : {1.0, 2.0, 1.5}) {
            SCOPED_TRACE(std::string(e.name) + " at " + std::to_string(ratio));
            const QImage fast = imageOf(renderPicture(e.picture, ratio));
            const QImage drawn = imageOf(renderPictureFromSvg(e.picture, ratio));
            ASSERT_EQ(fast.size(), drawn.size());
            int differing = 0;
            for (int y = 0; y < fast.height(); ++y) {
                for (int x = 0; x < fast.width(); ++x) {
                    const QRgb a = fast.pixel(x, y);
                    const QRgb b = drawn.pixel(x, y);
                    const int delta =
                        std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                  std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
                    differing += delta > 2 ? 1 : 0;
                }
            }
            EXPECT_EQ(differing, 0);
        }
    }
}

TEST(ArtworkTest, PaintPictureDrawsIntoAnyTarget)
{
    QImage page(200, 100, QImage::Format_ARGB32);
    page.fill(Qt::transparent);
    QPainter painter(&page);
    EXPECT_TRUE(paintPicture(painter, Picture::Certificate, QRectF(10, 10, 180, 40)));
    painter.end();
    EXPECT_EQ(qAlpha(page.pixel(5, 5)), 0) << "outside the target stays untouched";
    EXPECT_EQ(qAlpha(page.pixel(100, 30)), 255);
}

// Relative luminance and contrast ratio as used for text legibility.
double luminance(QColor c)
{
    auto channel = [](double v) {
        v /= 255.0;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

double contrast(QColor a, QColor b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The one colour filling the area, or nothing when the area is not plain.
std::optional<QColor> plainColour(const QImage& image, const QRect& area)
{
    const QRgb first = image.pixel(area.topLeft());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixel(x, y) != first) {
                return std::nullopt;
            }
        }
    }
    return QColor::fromRgba(first);
}

// A label's area in picture pixels, from its offset to the picture in twips.
QRect labelArea(double left, double top, double width, double height)
{
    constexpr double twipsPerPixel = 15.0;
    return QRectF(left / twipsPerPixel, top / twipsPerPixel, width / twipsPerPixel,
                  height / twipsPerPixel)
        .toAlignedRect();
}

struct TextArea {
    const char* what;
    Picture picture;
    QRect area;
    QColor text;
};

// Offsets follow the window layout: the whiteboard is centred, the question
// label (2775 x 495) is centred with its top 1200 above the middle, the
// answer box (1575 x 735) is 70 right of centre with its top 80 above the
// middle; the progress label's right edge is 800 from the window's right
// edge and its top 2800 from the bottom while the sign's right edge is 300
// in and its bottom 700 up; the seconds start at left 1300, 1750 up, on a
// clock at left 330 with its bottom 970 up. The progress text is at most
// about 1300 twips wide, the seconds (four digits) about 1450 by 540.
const TextArea kTextAreas[] = {
    {"question", Picture::Whiteboard, labelArea((7500 - 2775) / 2.0, 3435 / 2.0 - 1200, 2775, 495),
     Qt::black},
    {"answer box", Picture::Whiteboard,
     labelArea((7500 - 1575) / 2.0 + 70, 3435 / 2.0 - 80, 1575, 735), Qt::blue},
    {"progress", Picture::Sign, labelArea(1995 + 300 - 800 - 1300, 2535 + 700 - 2800, 1300, 360),
     QColor(255, 128, 128)},
    {"seconds", Picture::Clock, labelArea(1300 - 330, 990 + 970 - 1750, 1450, 540),
     QColor(255, 128, 128)},
};

TEST(ArtworkTest, LabelsLandOnPlainReadableAreas)
{
    for (const auto& t : kTextAreas) {
        SCOPED_TRACE(t.what);
        const QImage image = imageOf(renderPicture(t.picture));
        ASSERT_TRUE(image.rect().contains(t.area));
        const auto background = plainColour(image, t.area);
        ASSERT_TRUE(background.has_value()) << "something is drawn where the label goes";
        EXPECT_EQ(background->alpha(), 255);
        EXPECT_GE(contrast(*background, t.text), 4.5);
    }
}

TEST(ArtworkTest, WindowIconIsAStopwatchAtEverySize)
{
    const QIcon icon = windowIcon();
    ASSERT_FALSE(icon.isNull());
    for (int side : {16, 32, 64}) {
        SCOPED_TRACE(side);
        EXPECT_TRUE(icon.availableSizes().contains(QSize(side, side)));
        const QPixmap pixmap = icon.pixmap(side, side);
        EXPECT_EQ(pixmap.deviceIndependentSize().toSize(), QSize(side, side));
        EXPECT_GE(opaquePercent(imageOf(pixmap)), 40);
    }
}

struct CursorCase {
    const char* name;
    QCursor (*make)();
    bool tipAtTop; // the hand's fingertip is its top; the tick's point its bottom
};

// How many of the 3 x 3 pixels centred on p are opaque.
int opaqueAround(const QImage& image, QPoint p)
{
    int opaque = 0;
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const QPoint q = p + QPoint(dx, dy);
            opaque += image.valid(q) && qAlpha(image.pixel(q)) > 128 ? 1 : 0;
        }
    }
    return opaque;
}

// The row nearest the tip that has any opaque pixel.
int tipRow(const QImage& image, bool fromTop)
{
    for (int i = 0; i < image.height(); ++i) {
        const int y = fromTop ? i : image.height() - 1 - i;
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) > 128) {
                return y;
            }
        }
    }
    return -1;
}

TEST(ArtworkTest, CursorsAreThirtyTwoSquareWithTheHotSpotOnTheTip)
{
    const CursorCase cases[] = {{"tick", &tickCursor, false}, {"hand", &handCursor, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QCursor cursor = c.make();
        ASSERT_EQ(cursor.shape(), Qt::BitmapCursor) << "fell back to a standard cursor";
        const QPixmap pixmap = cursor.pixmap();
        ASSERT_FALSE(pixmap.isNull());
        EXPECT_EQ(pixmap.deviceIndependentSize().toSize(), QSize(32, 32));

        const QImage image = imageOf(pixmap);
        const QPoint hot = cursor.hotSpot() * pixmap.devicePixelRatio();
        ASSERT_TRUE(image.rect().contains(hot));
        EXPECT_GE(opaqueAround(image, hot), 6) << "hot spot off the drawing";
        const int tip = tipRow(image, c.tipAtTop);
        EXPECT_LE(std::abs(tip - hot.y()), 4 * pixmap.devicePixelRatio())
            << "hot spot too far from the tip";
    }
}

} // namespace
} // namespace numberlark
