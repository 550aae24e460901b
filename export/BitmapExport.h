#pragma once

#include "document/Document.h"
#include "texts/InterfaceLanguage.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <vector>

namespace molvane {

/// The picture's size: the reaction's drawn width or the table's summed column widths,
/// whichever is wider, with 10 pixels each side; the reaction's line box and the summed row
/// heights below it, with 20 pixels above the table and 10 below it. A width or height below
/// zero counts as zero; a size beyond the int range is clamped to it.
QSize BitmapSize(int reactionWidth, int reactionImageHeight, const GridModel &grid);

/// The columns from left to right: first to last in English, last to first in Farsi, where
/// the table is mirrored.
std::vector<int> ColumnsLeftToRight(int colCount, UiLanguage language);

/// Whether a cell text is laid out right to left: in the Farsi interface a text that ends with
/// ")" and starts in a right-to-left script keeps its bracket at its logical end; every other
/// text reads left to right.
bool CellTextRightToLeft(const QString &text, UiLanguage language);

/// The document as a picture on white: the reaction from its first character at (10, 10) in
/// its fonts, and 10 pixels below its line box the whole grid as a ruled table whose
/// neighbouring cells share their border lines, in the interface language's column order and
/// alignment, in 32-bit RGB as painted. Needs a QGuiApplication; works on any platform plugin,
/// offscreen included. Throws DocumentWriteError for a picture too large to paint.
QImage RenderBitmap(const Document &document, UiLanguage language);

/// Writes @p image as a 24-bit BMP (WriteBmp) to a new file renamed over @p path, so a failed
/// write leaves the old file as it was. Throws DocumentWriteError.
void SaveBitmap(const QImage &image, const QString &path);

/// The file name for a chosen @p name: ".bmp" appended when its last component has no full
/// stop; any other extension, even a lone full stop, is kept.
QString WithBitmapExtension(const QString &name);

} // namespace molvane
