// Draws an SVG picture at the sizes given, at build time, as raw pixels the program reads as it
// starts: no vectors to draw then, no image format to decode and no SVG library to load.
// Usage: molvane-draw-icons PICTURE.svg OUTPUT_PREFIX SIZE...
// Writes OUTPUT_PREFIX-SIZE.rgba for each size: premultiplied RGBA, one byte per channel in
// that order, row after row, no header.
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <iostream>

int main(int argc, char *argv[])
{
    if (argc < 4) {
        std::cerr << "usage: molvane-draw-icons PICTURE.svg OUTPUT_PREFIX SIZE...\n";
        return 2;
    }
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid()) {
        std::cerr << "molvane-draw-icons: cannot read " << argv[1] << '\n';
        return 1;
    }
    for (int i = 3; i < argc; ++i) {
        bool isNumber = false;
        const int size = QString::fromLocal8Bit(argv[i]).toInt(&isNumber);
        if (!isNumber || size <= 0) {
            std::cerr << "molvane-draw-icons: not a size: " << argv[i] << '\n';
            return 2;
        }
        // The format the raster engine gives a transparent pixmap, so the pixels are the ones
        // drawing at run time gave; stored byte by byte, the same on any machine.
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        image.convertTo(QImage::Format_RGBA8888_Premultiplied);
        const QString output
            = QString::fromLocal8Bit(argv[2]) + '-' + QString::number(size) + ".rgba";
        QFile file(output);
        const auto bytes = qint64(size) * size * 4;
        if (!file.open(QIODevice::WriteOnly)
            || file.write(reinterpret_cast<const char *>(image.constBits()), bytes) != bytes
            || !file.flush()) {
            std::cerr << "molvane-draw-icons: cannot write " << output.toStdString() << '\n';
            return 1;
        }
    }
    return 0;
}
