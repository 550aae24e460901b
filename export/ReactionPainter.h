#pragma once

#include "editor/ReactionLayout.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>

#include <array>
#include <optional>

class QPainter;

namespace molvane {

/// The three fonts a reaction is painted with, and how far subscripts are raised. A colour
/// left invalid is the default: the text colour of what the reaction is painted on.
struct ReactionFonts
{
    QFont reaction, numbers, subscripts;
    QColor reactionColor, numbersColor, subscriptsColor;
    int subscriptsPosition = 0;

    /// Bold Arial 14 pt, numbers in blue, subscripts 10 pt, before any document is loaded.
    static ReactionFonts startup();
};

/// What a reaction is painted on: its cells' background and the default text colour. A page
/// is black on white whatever the desktop's theme; the editor takes its palette's.
struct ReactionPaper
{
    QColor background = Qt::white;
    QColor text = Qt::black;
};

/// Measures glyphs in the fonts of a ReactionFonts it refers to. Every key lays the whole
/// reaction out again, so advances are cached per font and character, and the "W" heights and
/// which fonts share face and size are worked out once per font change.
class ReactionGlyphs : public GlyphMeasure
{
public:
    explicit ReactionGlyphs(const ReactionFonts &fonts);

    /// Call after the referred fonts changed.
    void fontsChanged();
    const QFont &font(GlyphFont font) const;
    /// The font's colour; invalid for the default.
    QColor color(GlyphFont font) const;
    const QFontMetrics &metrics(GlyphFont font) const { return *m_metrics[int(font)]; }

    int advance(GlyphFont font, char c) const override;
    int heightOfW(GlyphFont font) const override { return m_heightsOfW[int(font)]; }
    bool sameFaceAndSize(GlyphFont a, GlyphFont b) const override
    {
        return m_sameFaceAndSize[int(a)][int(b)];
    }

private:
    static constexpr int FontCount = 5;
    const ReactionFonts &m_fonts;
    std::array<std::optional<QFontMetrics>, FontCount> m_metrics;
    mutable std::array<std::array<int, 256>, FontCount> m_advances;
    std::array<int, FontCount> m_heightsOfW {};
    std::array<std::array<bool, FontCount>, FontCount> m_sameFaceAndSize {};
};

/// The text drawn for one character, a Windows-1256 byte: the arrow glyph for Arrow, a raised
/// dot for the "*" that joins a hydrate's parts, else the character the byte stands for.
QString GlyphText(GlyphFont font, char c);

/// The room the drawn arrow takes in a reaction font of @p reactionFont's metrics.
int ArrowAdvance(const QFontMetrics &reactionFont);

/// Paints every glyph of @p layout, each on an opaque cell of the paper's background, offset
/// by @p origin; with a clip set, only the glyphs near it.
void PaintReactionLayout(QPainter &painter, const ReactionLayout &layout,
    const ReactionGlyphs &glyphs, const ReactionPaper &paper, QPoint origin = {});

} // namespace molvane
