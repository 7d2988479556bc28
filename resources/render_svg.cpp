// Renders an SVG at the given pixel size with Qt SVG, exactly as the program
// renders it at run time, to a PNG or (for a name ending in ".argb") to raw
// premultiplied ARGB32. The build uses it for the icon theme's bitmaps and
// for the pictures and window icon at fixed sizes, which the program then
// shows without drawing or decoding anything at start-up.
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: render_svg SVG WIDTH HEIGHT OUTPUT.png|OUTPUT.argb\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    const int width = QByteArray(argv[2]).toInt();
    const int height = QByteArray(argv[3]).toInt();
    if (!renderer.isValid() || width <= 0 || height <= 0) {
        std::fprintf(stderr, "render_svg: cannot render %s\n", argv[1]);
        return 1;
    }
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(0, 0, width, height));
    painter.end();
    const QString output = QString::fromLocal8Bit(argv[4]);
    if (output.endsWith(QLatin1String(".argb"))) {
        // Raw premultiplied ARGB32 rows, which the program maps straight
        // from its resources without decoding.
        QFile raw(output);
        const auto bytes = static_cast<qint64>(image.sizeInBytes());
        return raw.open(QIODevice::WriteOnly) &&
                       raw.write(reinterpret_cast<const char*>(image.constBits()), bytes) == bytes
                   ? 0
                   : 1;
    }
    return image.save(output) ? 0 : 1;
}
