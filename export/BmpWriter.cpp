#include "export/BmpWriter.h"

#include "document/DocumentFormat.h"

#include <QtEndian>

#include <string>

namespace molvane {

namespace {

constexpr int FileHeaderBytes = 14;
constexpr int InfoHeaderBytes = 40;

void put16(char *&at, quint16 value)
{
    qToLittleEndian(value, at);
    at += 2;
}

void put32(char *&at, quint32 value)
{
    qToLittleEndian(value, at);
    at += 4;
}

void write(QIODevice &device, const char *data, qint64 size)
{
    if (device.write(data, size) != size)
        throw DocumentWriteError(
            "the picture cannot be written: " + device.errorString().toStdString());
}

// The file and info headers of an uncompressed 24-bit picture, rows padded to 4 bytes.
void writeHeaders(const QImage &image, quint32 rowBytes, QIODevice &device)
{
    const quint32 pixelBytes = rowBytes * quint32(image.height());
    char headers[FileHeaderBytes + InfoHeaderBytes];
    char *at = headers;
    *at++ = 'B';
    *at++ = 'M';
    put32(at, FileHeaderBytes + InfoHeaderBytes + pixelBytes);
    put32(at, 0); // reserved
    put32(at, FileHeaderBytes + InfoHeaderBytes); // where the pixels start
    put32(at, InfoHeaderBytes);
    put32(at, quint32(image.width()));
    put32(at, quint32(image.height())); // positive: the bottom row comes first
    put16(at, 1); // planes
    put16(at, 24); // bits per pixel
    put32(at, 0); // uncompressed
    put32(at, pixelBytes);
    put32(at, quint32(image.dotsPerMeterX()));
    put32(at, quint32(image.dotsPerMeterY()));
    put32(at, 0); // no colour table
    put32(at, 0);
    write(device, headers, sizeof headers);
}

} // namespace

void WriteBmp(const QImage &image, QIODevice &device)
{
    if (image.isNull())
        throw DocumentWriteError("there is no picture to write");
    // The painted picture is 32-bit already; any other is converted once.
    const QImage pixels = image.format() == QImage::Format_RGB32
        ? image
        : image.convertToFormat(QImage::Format_RGB32);
    const quint32 rowBytes = (quint32(pixels.width()) * 3 + 3) / 4 * 4;
    writeHeaders(pixels, rowBytes, device);
    QByteArray row(qsizetype(rowBytes), '\0');
    for (int y = pixels.height() - 1; y >= 0; --y) {
        const auto *source = reinterpret_cast<const QRgb *>(pixels.constScanLine(y));
        char *at = row.data();
        for (int x = 0; x < pixels.width(); ++x) {
            *at++ = char(qBlue(source[x]));
            *at++ = char(qGreen(source[x]));
            *at++ = char(qRed(source[x]));
        }
        write(device, row.constData(), row.size());
    }
}

} // namespace molvane
