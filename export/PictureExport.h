#pragma once

#include "document/Document.h"
#include "texts/InterfaceLanguage.h"

#include <QString>

class QIODevice;

namespace molvane {

/// The kinds of picture the document is exported as.
enum class PictureFormat { Bmp, Png, Svg };

/// The format a file name asks for by its extension, in any letter case: ".png" and ".svg"
/// their own, anything else (".bmp", none at all) a bitmap.
PictureFormat PictureFormatOf(const QString &path);

/// Writes the document's picture (DocumentPicture) to @p device: BMP as RenderBitmap paints it,
/// PNG at @p pixelRatio device pixels per picture pixel, SVG with its texts as text. Throws
/// DocumentWriteError.
void WritePicture(const Document &document, UiLanguage language, PictureFormat format,
    QIODevice &device, qreal pixelRatio = 1);

/// WritePicture in the format of @p path's extension, to a new file renamed over @p path
/// (WriteFileReplacing). Throws DocumentWriteError.
void SavePicture(
    const Document &document, UiLanguage language, const QString &path, qreal pixelRatio = 1);

} // namespace molvane
