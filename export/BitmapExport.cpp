#include "export/BitmapExport.h"

#include "document/DocumentFiles.h"
#include "document/DocumentFormat.h"
#include "document/Windows1256.h"
#include "export/BmpWriter.h"
#include "export/FontConversion.h"
#include "export/ReactionPainter.h"
#include "texts/BidiText.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTextOption>

#include <limits>
#include <numeric>
#include <string>

namespace molvane {

namespace {

constexpr int Margin = 10;
// 512 MB while painting: a larger picture is refused rather than half made.
constexpr qint64 MaxPixels = qint64(1) << 27;
// A picture is black on white whatever the desktop's theme.
const ReactionPaper Page;

// A document may hold any width; one below zero shows as no width at all.
int shown(int size)
{
    return std::max(size, 0);
}

// Sizes are summed wide, so that no document's widths can overflow the picture's size.
qint64 sumOf(int count, auto size)
{
    qint64 sum = 0;
    for (int i = 0; i < count; ++i)
        sum += shown(size(i));
    return sum;
}

int clamped(qint64 size)
{
    return int(std::min<qint64>(size, std::numeric_limits<int>::max()));
}

// One cell's text: English left-aligned 2 pixels in, Farsi right-aligned 3 pixels from the
// right border, both 3 pixels below the top border and never outside the cell.
void paintCellText(QPainter &painter, const QRect &cell, const QString &text, UiLanguage language)
{
    if (text.isEmpty())
        return;
    const QFontMetrics metrics = painter.fontMetrics();
    const int advance = metrics.horizontalAdvance(text);
    // As on the screen, a number or formula too wide for a Farsi cell keeps its start and is
    // cut at its end, instead of losing the digits that tell what it is.
    const bool keepsStart = language == UiLanguage::Farsi
        && cell.right() + 1 - 3 - advance < cell.left() + 2
        && !HoldsArabicScript(text.toStdString());
    const int left = language == UiLanguage::Farsi && !keepsStart ? cell.right() + 1 - 3 - advance
                                                                  : cell.left() + 2;
    // Clipping is costly per cell; only a text that reaches a border needs it.
    const bool clip = left <= cell.left() || left + advance >= cell.right();
    if (clip)
        painter.setClipRect(cell);
    if (CellTextRightToLeft(text, language)) {
        QTextOption option(Qt::AlignRight);
        option.setWrapMode(QTextOption::NoWrap);
        option.setTextDirection(Qt::RightToLeft);
        painter.drawText(QRectF(left, cell.top() + 3, advance, metrics.height()), text, option);
    } else {
        painter.drawText(QPoint(left, cell.top() + 3 + metrics.ascent()), text);
    }
    if (clip)
        painter.setClipping(false);
}

} // namespace

QSize BitmapSize(int reactionWidth, int reactionImageHeight, const GridModel &grid)
{
    const qint64 columns = sumOf(grid.colCount(), [&](int c) { return grid.colWidth(c); });
    const qint64 rows = sumOf(grid.rowCount(), [&](int r) { return grid.rowHeight(r); });
    return QSize(clamped(std::max<qint64>(reactionWidth + Margin, Margin + columns) + Margin),
        clamped(qint64(2) * Margin + rows + reactionImageHeight + Margin));
}

std::vector<int> ColumnsLeftToRight(int colCount, UiLanguage language)
{
    std::vector<int> columns(std::size_t(std::max(colCount, 0)));
    std::iota(columns.begin(), columns.end(), 0);
    if (language == UiLanguage::Farsi)
        std::reverse(columns.begin(), columns.end());
    return columns;
}

bool CellTextRightToLeft(const QString &text, UiLanguage language)
{
    return language == UiLanguage::Farsi && text.endsWith(')') && text.isRightToLeft();
}

int PaintGridRows(QPainter &painter, const Document &document, UiLanguage language, QPoint topLeft,
    std::span<const int> rows)
{
    const GridModel &grid = document.grid;
    painter.save();
    painter.setFont(ToQFont(document.fonts[GridFont]));
    const QColor textColor = ToQColor(document.fonts[GridFont].color, Page.text);
    const std::vector<int> columns = ColumnsLeftToRight(grid.colCount(), language);
    painter.setBrush(Qt::NoBrush);
    painter.setLayoutDirection(Qt::LeftToRight); // as the cell's own direction rule says
    int y = topLeft.y();
    for (const int row : rows) {
        const int h = shown(grid.rowHeight(row));
        int x = topLeft.x();
        for (const int col : columns) {
            const int w = shown(grid.colWidth(col));
            if (w > 0 && h > 0) {
                painter.setPen(Qt::black); // the outline is black whatever the font's colour
                painter.drawRect(x, y, w - 1, h - 1);
                painter.setPen(textColor);
                paintCellText(painter, QRect(x, y, w, h),
                    QString::fromStdString(grid.cell(col, row)), language);
            }
            x += w - 1;
        }
        y += h - 1;
    }
    painter.restore();
    return y - topLeft.y();
}

DocumentPicture::DocumentPicture(const Document &document, UiLanguage language)
    : m_document(document)
    , m_language(language)
    , m_fonts(ToReactionFonts(document.fonts, document.subscriptPosition))
    , m_glyphs(m_fonts)
    // Drawn from the first character, whatever the editor shows scrolled, and laid out in
    // code-page bytes as the editor holds it; charges raised without their braces, as a
    // textbook writes them.
    , m_reaction(LayoutReaction(
          ToWindows1256Or(document.reaction, '?'), 0, m_fonts.subscriptsPosition, m_glyphs, false))
{
    m_reactionWidth
        = std::accumulate(m_reaction.charWidths.begin(), m_reaction.charWidths.end(), 0);
    m_size = BitmapSize(m_reactionWidth, m_reaction.imageHeight, document.grid);
}

void DocumentPicture::paint(QPainter &painter) const
{
    painter.fillRect(QRect(QPoint(), m_size), Qt::white);
    paintReaction(painter, QPoint(Margin, Margin));
    std::vector<int> rows(std::size_t(std::max(m_document.grid.rowCount(), 0)));
    std::iota(rows.begin(), rows.end(), 0);
    PaintGridRows(
        painter, m_document, m_language, QPoint(Margin, m_reaction.imageHeight + 2 * Margin), rows);
}

void RefuseOversizedPicture(QSize size)
{
    if (qint64(size.width()) * size.height() > MaxPixels)
        throw DocumentWriteError("the picture would be larger than "
            + std::to_string(MaxPixels / 1000000) + " million pixels");
}

void DocumentPicture::paintReaction(QPainter &painter, QPoint origin) const
{
    // The reaction's own image starts at the origin: raised subscripts stop at its edge.
    painter.save();
    painter.setClipRect(QRect(origin, m_size), Qt::IntersectClip);
    PaintReactionLayout(painter, m_reaction, m_glyphs, Page, origin);
    painter.restore();
}

QSize DocumentPicture::reactionSize() const
{
    return QSize(m_reactionWidth, m_reaction.imageHeight);
}

QImage RenderBitmap(const Document &document, UiLanguage language)
{
    // Painted in the raster engine's own format, which is several times faster; the file's
    // 24-bit rows are made from it as they are written.
    const DocumentPicture picture(document, language);
    const QSize size = picture.size();
    RefuseOversizedPicture(size);
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    picture.paint(painter);
    return image;
}

void SaveBitmap(const QImage &image, const QString &path)
{
    // Rows are converted as they are written: beside the image only one row is held.
    WriteFileReplacing(path, [&image](QIODevice &file) {
        WriteBmp(image, file);
        return true;
    });
}

QString WithBitmapExtension(const QString &name)
{
    return WithExtension(name, ".bmp");
}

} // namespace molvane
