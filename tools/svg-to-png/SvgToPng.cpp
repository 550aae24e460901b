// Draws an SVG picture as PNG images at the sizes given, at build time: the program then only
// reads pixels instead of drawing vectors while it starts, and needs no SVG library.
// Usage: molvane-svg-to-png PICTURE.svg OUTPUT_PREFIX SIZE...  (writes OUTPUT_PREFIX-SIZE.png)
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <iostream>

int main(int argc, char *argv[])
{
    if (argc < 4) {
        std::cerr << "usage: molvane-svg-to-png PICTURE.svg OUTPUT_PREFIX SIZE...\n";
        return 2;
    }
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid()) {
        std::cerr << "molvane-svg-to-png: cannot read " << argv[1] << '\n';
        return 1;
    }
    for (int i = 3; i < argc; ++i) {
        bool isNumber = false;
        const int size = QString::fromLocal8Bit(argv[i]).toInt(&isNumber);
        if (!isNumber || size <= 0) {
            std::cerr << "molvane-svg-to-png: not a size: " << argv[i] << '\n';
            return 2;
        }
        // The format the raster engine gives a transparent pixmap, so the pixels are the ones
        // drawing at run time gave.
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        const QString output
            = QString::fromLocal8Bit(argv[2]) + '-' + QString::number(size) + ".png";
        if (!image.save(output, "PNG")) {
            std::cerr << "molvane-svg-to-png: cannot write " << output.toStdString() << '\n';
            return 1;
        }
    }
    return 0;
}
