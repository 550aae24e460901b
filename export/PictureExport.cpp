#include "export/PictureExport.h"

#include "document/DocumentFiles.h"
#include "document/DocumentFormat.h"
#include "export/BitmapExport.h"
#include "export/BmpWriter.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>
#include <QSvgGenerator>

#include <cmath>

namespace molvane {

namespace {

// The pixels per metre of a picture drawn at one pixel per point of a 96 dpi screen.
constexpr double PixelsPerMetre = 96 / 0.0254;

void writePng(const DocumentPicture &picture, QIODevice &device, qreal pixelRatio)
{
    const QSize size = (QSizeF(picture.size()) * pixelRatio).toSize();
    RefuseOversizedPicture(size);
    QImage image(size, QImage::Format_RGB32);
    image.setDevicePixelRatio(pixelRatio);
    // Shown at its logical size by programs that read the resolution.
    image.setDotsPerMeterX(int(std::lround(PixelsPerMetre * pixelRatio)));
    image.setDotsPerMeterY(image.dotsPerMeterX());
    {
        QPainter painter(&image);
        picture.paint(painter);
    }
    QImageWriter writer(&device, "png");
    if (!writer.write(image))
        throw DocumentWriteError(writer.errorString().toStdString());
}

void writeSvg(const Document &document, const DocumentPicture &picture, QIODevice &device)
{
    // Made whole first: the generator says nothing of a write that failed.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(picture.size());
    generator.setViewBox(QRect(QPoint(), picture.size()));
    generator.setResolution(96); // as large on paper as on a common screen
    generator.setTitle(QString::fromStdString(document.reaction));
    {
        QPainter painter(&generator);
        picture.paint(painter);
    }
    if (device.write(buffer.data()) != buffer.size())
        throw DocumentWriteError(device.errorString().toStdString());
}

} // namespace

PictureFormat PictureFormatOf(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == "png")
        return PictureFormat::Png;
    if (suffix == "svg")
        return PictureFormat::Svg;
    return PictureFormat::Bmp;
}

void WritePicture(const Document &document, UiLanguage language, PictureFormat format,
    QIODevice &device, qreal pixelRatio)
{
    if (format == PictureFormat::Bmp) {
        WriteBmp(RenderBitmap(document, language), device);
        return;
    }
    const DocumentPicture picture(document, language);
    if (format == PictureFormat::Png)
        writePng(picture, device, pixelRatio);
    else
        writeSvg(document, picture, device);
}

void SavePicture(
    const Document &document, UiLanguage language, const QString &path, qreal pixelRatio)
{
    WriteFileReplacing(path, [&](QIODevice &file) {
        WritePicture(document, language, PictureFormatOf(path), file, pixelRatio);
        return true;
    });
}

} // namespace molvane
