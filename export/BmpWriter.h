#pragma once

#include <QIODevice>
#include <QImage>

namespace molvane {

/// Writes @p image to @p device as a 24-bit BMP file, bottom row first, each row converted as
/// it is written: beside the image only one row of the file is held. Throws DocumentWriteError
/// for a null image or a write that fails or falls short.
void WriteBmp(const QImage &image, QIODevice &device);

} // namespace molvane
