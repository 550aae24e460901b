#pragma once

#include "export/ReactionPainter.h"

#include <QFontMetrics>

namespace molvane {

/// The fonts asked at every glyph, as the editor's layout once did: face, size and "W" height
/// included. What the editor's cached measuring must always agree with.
class AskingMeasure : public GlyphMeasure
{
public:
    explicit AskingMeasure(const ReactionGlyphs &glyphs)
        : m_glyphs(glyphs)
    { }
    int advance(GlyphFont font, char c) const override
    {
        const QFontMetrics metrics(m_glyphs.font(font));
        return font == GlyphFont::Arrow ? ArrowAdvance(metrics)
                                        : metrics.horizontalAdvance(GlyphText(font, c));
    }
    int heightOfW(GlyphFont font) const override
    {
        return QFontMetrics(m_glyphs.font(font)).height();
    }
    bool sameFaceAndSize(GlyphFont a, GlyphFont b) const override
    {
        const QFont &x = m_glyphs.font(a), &y = m_glyphs.font(b);
        return x.family() == y.family() && x.pointSize() == y.pointSize();
    }

private:
    const ReactionGlyphs &m_glyphs;
};

} // namespace molvane
