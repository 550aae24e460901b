#pragma once

#include "document/Document.h"
#include "export/ReactionPainter.h"
#include "texts/InterfaceLanguage.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <span>
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

/// The document laid out as the picture export paints it, ready to paint on any device.
class DocumentPicture
{
public:
    DocumentPicture(const Document &document, UiLanguage language);
    DocumentPicture(const DocumentPicture &) = delete;
    DocumentPicture &operator=(const DocumentPicture &) = delete;

    /// BitmapSize of the document, in logical pixels.
    QSize size() const { return m_size; }
    /// Paints the picture on white from (0, 0), as RenderBitmap describes it.
    void paint(QPainter &painter) const;
    /// The reaction alone, from its first character at @p origin; its drawn size.
    void paintReaction(QPainter &painter, QPoint origin) const;
    QSize reactionSize() const;

private:
    const Document &m_document;
    UiLanguage m_language;
    ReactionFonts m_fonts;
    ReactionGlyphs m_glyphs;
    ReactionLayout m_reaction;
    int m_reactionWidth = 0;
    QSize m_size;
};

/// The grid rows @p rows, in this order and each directly below the one before, as a ruled
/// table whose neighbouring cells share their border lines, from @p topLeft; its height.
int PaintGridRows(QPainter &painter, const Document &document, UiLanguage language, QPoint topLeft,
    std::span<const int> rows);

/// Throws DocumentWriteError for a picture of @p size pixels too large to paint (512 MB).
void RefuseOversizedPicture(QSize size);

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
