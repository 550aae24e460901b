#include "export/ReactionPainter.h"

#include "document/QtText.h"
#include "document/Windows1256.h"

#include <QPainter>

namespace molvane {

namespace {

// The arrow glyph stands for ">" in the reaction font, the middle dot for "*".
const QString ArrowGlyph = QString(QChar(0x2192));
const QString JoiningDot = QString(QChar(0x00B7));

} // namespace

ReactionFonts ReactionFonts::startup()
{
    ReactionFonts fonts;
    fonts.reaction = QFont("Arial", 14, QFont::Bold);
    fonts.numbers = fonts.reaction;
    fonts.subscripts = QFont("Arial", 10, QFont::Bold);
    fonts.numbersColor = QColor(0, 0, 255);
    return fonts;
}

QString GlyphText(GlyphFont font, char c)
{
    if (font == GlyphFont::Arrow)
        return ArrowGlyph;
    if (c == '*')
        return JoiningDot;
    return ToQString(FromWindows1256(QByteArrayView(&c, 1)));
}

ReactionGlyphs::ReactionGlyphs(const ReactionFonts &fonts)
    : m_fonts(fonts)
{
    fontsChanged();
}

void ReactionGlyphs::fontsChanged()
{
    for (int f = 0; f < FontCount; ++f) {
        m_metrics[f].emplace(font(GlyphFont(f)));
        m_advances[f].fill(-1);
        m_heightsOfW[f] = m_metrics[f]->height();
    }
    for (int a = 0; a < FontCount; ++a) {
        for (int b = 0; b < FontCount; ++b) {
            const QFont &x = font(GlyphFont(a)), &y = font(GlyphFont(b));
            m_sameFaceAndSize[a][b] = x.family() == y.family() && x.pointSize() == y.pointSize();
        }
    }
}

const QFont &ReactionGlyphs::font(GlyphFont font) const
{
    switch (font) {
    case GlyphFont::Numbers:
        return m_fonts.numbers;
    case GlyphFont::Subscripts:
    case GlyphFont::Superscripts:
        return m_fonts.subscripts;
    default:
        return m_fonts.reaction;
    }
}

QColor ReactionGlyphs::color(GlyphFont font) const
{
    switch (font) {
    case GlyphFont::Numbers:
        return m_fonts.numbersColor;
    case GlyphFont::Subscripts:
        return m_fonts.subscriptsColor;
    default:
        return m_fonts.reactionColor;
    }
}

// The arrow is drawn, not a glyph: about two capitals long with a blank's room around it.
int ArrowAdvance(const QFontMetrics &reactionFont)
{
    return reactionFont.horizontalAdvance(QStringLiteral("HH"))
        + reactionFont.horizontalAdvance(' ');
}

int ReactionGlyphs::advance(GlyphFont f, char c) const
{
    int &cached = m_advances[int(f)][static_cast<unsigned char>(c)];
    if (cached >= 0)
        return cached;
    cached = f == GlyphFont::Arrow ? ArrowAdvance(metrics(f))
                                   : metrics(f).horizontalAdvance(GlyphText(f, c));
    return cached;
}

namespace {

// The reaction arrow in a cell of @p width at @p topLeft: a shaft and a filled head, on the
// middle of the capitals so it lines up with the formulas whatever the font's arrow glyph.
void paintArrow(QPainter &painter, const QFontMetrics &metrics, QPoint topLeft, int width)
{
    const qreal middle = topLeft.y() + metrics.ascent() - metrics.capHeight() / 2.0;
    const qreal margin = metrics.horizontalAdvance(' ') / 2.0;
    const qreal start = topLeft.x() + margin, end = topLeft.x() + width - margin;
    const qreal stroke = qMax(1.0, metrics.capHeight() / 7.0);
    const qreal head = metrics.capHeight() * 0.45;
    const QColor color = painter.pen().color();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(color, stroke, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(start, middle), QPointF(end - head / 2, middle));
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    const QPointF tip(end, middle);
    painter.drawPolygon(QPolygonF(
        { tip, QPointF(end - head, middle - head / 2), QPointF(end - head, middle + head / 2) }));
    painter.restore();
}

} // namespace

void PaintReactionLayout(QPainter &painter, const ReactionLayout &layout,
    const ReactionGlyphs &glyphs, const ReactionPaper &paper, QPoint origin)
{
    painter.save();
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(paper.background);
    // A long reaction lies mostly outside the clip: its glyphs there would take all the time.
    // A glyph's ink may overhang its cell a little: a line's height of slack is plenty.
    const QRectF clip = painter.hasClipping() ? painter.clipBoundingRect() : QRectF();
    const int slack = layout.imageHeight;
    for (std::size_t i = 0; i < layout.glyphs.size(); ++i) {
        const PlacedGlyph &glyph = layout.glyphs[i];
        const int left = origin.x() + glyph.x;
        if (!clip.isEmpty()
            && (left - slack > clip.right() || left + layout.charWidths[i] + slack < clip.left()))
            continue;
        if (layout.charWidths[i] == 0)
            continue; // a charge's brace in a picture
        const GlyphFont font = glyph.font;
        painter.setFont(glyphs.font(font));
        const QColor color = glyphs.color(font);
        painter.setPen(color.isValid() ? color : paper.text);
        const QFontMetrics &metrics = glyphs.metrics(font);
        if (font == GlyphFont::Arrow) {
            const QRect cell(
                origin + QPoint(glyph.x, glyph.y), QSize(layout.charWidths[i], metrics.height()));
            painter.fillRect(cell, paper.background);
            paintArrow(painter, metrics, cell.topLeft(), cell.width());
            continue;
        }
        painter.drawText(
            origin + QPoint(glyph.x, glyph.y + metrics.ascent()), GlyphText(font, glyph.character));
    }
    painter.restore();
}

} // namespace molvane
