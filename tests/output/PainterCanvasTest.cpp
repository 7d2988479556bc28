#include "output/PainterCanvas.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <cstdlib>

namespace numberlark {
namespace {

constexpr int kDpi = 254; // 10000 dots per metre
constexpr double kDotsPerMetre = kDpi / 0.0254;

QImage whitePage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(kDotsPerMetre));
    image.setDotsPerMeterY(qRound(kDotsPerMetre));
    image.fill(Qt::white);
    return image;
}

// Antialiased edges blend with the paper; a pen's colour shows within this.
bool looksLike(const QColor& pixel, const QColor& colour)
{
    constexpr int kTolerance = 64;
    return std::abs(pixel.red() - colour.red()) < kTolerance &&
           std::abs(pixel.green() - colour.green()) < kTolerance &&
           std::abs(pixel.blue() - colour.blue()) < kTolerance;
}

bool isInk(QRgb pixel)
{
    return qGray(pixel) < 128;
}

// The bounding box of the dark pixels.
QRect inkBounds(const QImage& image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (isInk(image.pixel(x, y))) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}

struct PageSize {
    int width;
    int height;
};

// Two pages of one resolution whose page units differ in size and shape:
// what the page mapping must not change is the same on both.
const PageSize kPages[] = {{2100, 3000}, {1300, 2600}};

TEST(PainterCanvas, TextKeepsItsPointSizeWhateverThePageMapping)
{
    const double em = 18.0 / 72.0 * kDpi; // 18 points in pixels
    for (const PageSize& size : kPages) {
        SCOPED_TRACE(size.width);
        QImage image = whitePage(size.width, size.height);
        const double unitX = size.width / 21.0;
        const double unitY = size.height / 30.0;
        PainterCanvas canvas(image);
        ASSERT_FALSE(canvas.begin().failed());
        ASSERT_FALSE(canvas.mapPage().failed());
        ASSERT_FALSE(canvas.setFontName(QStringLiteral("Arial")).failed());
        ASSERT_FALSE(canvas.setFontSize(18.0F).failed());
        ASSERT_FALSE(canvas.setBold(true).failed());
        ASSERT_FALSE(canvas.setX(2.0F).failed());
        ASSERT_FALSE(canvas.setY(2.0F).failed());
        ASSERT_FALSE(canvas.printText(QStringLiteral("NUMBERLARK")).failed());
        const float yAfter = canvas.y();
        ASSERT_FALSE(canvas.endDocument().failed());

        const QRect ink = inkBounds(image);
        // Capitals of a sans face stand about 0.7 em tall, their cell's top
        // (the ascent) about 0.2 em above them.
        EXPECT_GT(ink.height(), 0.6 * em);
        EXPECT_LT(ink.height(), 0.8 * em);
        EXPECT_NEAR(ink.left(), 2.0 * unitX, 0.1 * em);
        EXPECT_GT(ink.top(), 2.0 * unitY + 0.1 * em);
        EXPECT_LT(ink.top(), 2.0 * unitY + 0.35 * em);
        // One line lower, at x = 0; the line is about 1.15 em in page units.
        EXPECT_EQ(canvas.x(), 0.0F);
        EXPECT_GT((yAfter - 2.0F) * unitY, 1.05 * em);
        EXPECT_LT((yAfter - 2.0F) * unitY, 1.25 * em);
    }
}

TEST(PainterCanvas, PictureAtItsPhysicalSizeWhateverThePageMapping)
{
    for (const PageSize& size : kPages) {
        SCOPED_TRACE(size.width);
        QImage page = whitePage(size.width, size.height);
        {
            PainterCanvas canvas(page);
            ASSERT_FALSE(canvas.begin().failed());
            ASSERT_FALSE(canvas.mapPage().failed());
            ASSERT_FALSE(canvas.picture(Picture::Certificate, 6.0F, 4.5F).failed());
            ASSERT_FALSE(canvas.endDocument().failed());
        }
        // The banner is 4935 x 1095 twips.
        const QRectF expected(6.0 * size.width / 21.0, 4.5 * size.height / 30.0,
                              4935.0 / 1440.0 * kDpi, 1095.0 / 1440.0 * kDpi);
        QImage reference = whitePage(size.width, size.height);
        {
            QPainter painter(&reference);
            painter.setRenderHint(QPainter::Antialiasing);
            ASSERT_TRUE(paintPicture(painter, Picture::Certificate, expected));
        }
        EXPECT_FALSE(inkBounds(reference).isEmpty());
        int differing = 0;
        for (int y = 0; y < page.height(); ++y) {
            for (int x = 0; x < page.width(); ++x) {
                differing += page.pixel(x, y) != reference.pixel(x, y) ? 1 : 0;
            }
        }
        EXPECT_LT(differing, 0.01 * expected.width() * expected.height());
    }
}

TEST(PainterCanvas, BoxesAreOutlinesInTheirColourAndEndAtTheSecondCorner)
{
    const struct {
        std::optional<QColor> colour;
        QColor drawn;
    } cases[] = {
        {std::nullopt, Qt::black}, {QColor(Qt::black), Qt::black}, {QColor(Qt::red), Qt::red}};
    for (const auto& c : cases) {
        QImage image = whitePage(2100, 3000); // 100 pixels a unit
        PainterCanvas canvas(image);
        ASSERT_FALSE(canvas.begin().failed());
        ASSERT_FALSE(canvas.mapPage().failed());
        ASSERT_FALSE(canvas.box(3.0F, 2.0F, 1.0F, 1.0F, c.colour).failed());
        EXPECT_EQ(canvas.x(), 1.0F);
        EXPECT_EQ(canvas.y(), 1.0F);
        ASSERT_FALSE(canvas.endDocument().failed());
        EXPECT_EQ(image.pixelColor(200, 150), QColor(Qt::white)) << "not filled";
        EXPECT_TRUE(looksLike(image.pixelColor(200, 100), c.drawn)) << "top edge";
        EXPECT_TRUE(looksLike(image.pixelColor(300, 150), c.drawn)) << "right edge";
        EXPECT_EQ(image.pixelColor(200, 110), QColor(Qt::white)) << "a thin pen";
    }
}

TEST(PainterCanvas, TextOnANewLineStartsBelowWhenPastTheFirstColumn)
{
    QImage image = whitePage(2100, 3000);
    PainterCanvas canvas(image);
    ASSERT_FALSE(canvas.begin().failed());
    ASSERT_FALSE(canvas.mapPage().failed());
    ASSERT_FALSE(canvas.setFontName(QStringLiteral("Arial")).failed());
    ASSERT_FALSE(canvas.setFontSize(12.0F).failed());
    ASSERT_FALSE(canvas.setY(5.0F).failed());
    ASSERT_FALSE(canvas.printTextOnNewLine(QStringLiteral("first column")).failed());
    const float line = canvas.y() - 5.0F;
    EXPECT_GT(line, 0.0F);
    ASSERT_FALSE(canvas.setX(4.0F).failed());
    ASSERT_FALSE(canvas.setY(5.0F).failed());
    ASSERT_FALSE(canvas.printTextOnNewLine(QStringLiteral("past it")).failed());
    EXPECT_FLOAT_EQ(canvas.y(), 5.0F + 2.0F * line);
    ASSERT_FALSE(canvas.lineFeed().failed());
    EXPECT_FLOAT_EQ(canvas.y(), 5.0F + 3.0F * line);
    ASSERT_FALSE(canvas.endDocument().failed());
}

TEST(PainterCanvas, FilledBoxesAndTextInABoxStayInsideTheirRectangle)
{
    const QString longText =
        QStringLiteral("seven times eight is fifty six, and so is eight times seven");
    const struct {
        PageCanvas::TextFit fit;
        int lines; // at least, below the box's top
    } cases[] = {{PageCanvas::TextFit::Wrap, 3}, {PageCanvas::TextFit::OneLineElided, 1}};
    for (const auto& c : cases) {
        QImage image = whitePage(2100, 3000); // 100 pixels a unit
        PainterCanvas canvas(image);
        ASSERT_FALSE(canvas.begin().failed());
        ASSERT_FALSE(canvas.mapPage().failed());
        ASSERT_FALSE(canvas.filledBox(1.0F, 1.0F, 3.0F, 2.0F, Qt::red, std::nullopt).failed());
        EXPECT_EQ(canvas.x(), 3.0F);
        ASSERT_FALSE(canvas.setFontSize(12.0F).failed());
        ASSERT_FALSE(
            canvas.textInBox(5.0F, 5.0F, 10.0F, 6.0F, longText, Qt::AlignLeft, c.fit).failed());
        const float line =
            static_cast<float>(QFontMetricsF(QFont(), &image).lineSpacing()) / 100.0F;
        EXPECT_EQ(canvas.x(), 5.0F);
        EXPECT_GE(canvas.y(), 5.0F + (static_cast<float>(c.lines) - 0.5F) * line);
        EXPECT_LT(canvas.y(), 5.0F + (static_cast<float>(c.lines) + 2.5F) * line);
        ASSERT_FALSE(canvas.endDocument().failed());
        EXPECT_TRUE(looksLike(image.pixelColor(200, 150), Qt::red)) << "filled";
        EXPECT_EQ(image.pixelColor(350, 150), QColor(Qt::white));
        const QRect ink = inkBounds(image.copy(0, 300, 2100, 2700));
        EXPECT_GE(ink.left(), 500);
        EXPECT_LE(ink.right(), 1000);
    }
}

} // namespace
} // namespace numberlark
