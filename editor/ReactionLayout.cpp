#include "editor/ReactionLayout.h"

#include "core/ReactionCharacters.h"

namespace molvane {

std::vector<bool> CoefficientDigits(std::string_view text)
{
    std::vector<bool> coefficient(text.size(), false);
    const std::vector<bool> charge = ChargeCharacters(text);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!IsDigit(text[i]) || charge[i])
            continue;
        const char before = i == 0 ? '+' : text[i - 1];
        coefficient[i] = before == '+' || before == '>' || before == '*'
            || (IsDigit(before) && coefficient[i - 1]);
    }
    return coefficient;
}

std::vector<bool> MultiplierDigits(std::string_view text)
{
    std::vector<bool> multiplier = CoefficientDigits(text);
    for (std::size_t i = 0; i < text.size(); ++i)
        multiplier[i] = multiplier[i] && i > 0 && (text[i - 1] == '*' || multiplier[i - 1]);
    return multiplier;
}

std::vector<bool> ChargeCharacters(std::string_view text)
{
    std::vector<bool> charge(text.size(), false);
    bool inBraces = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '{')
            inBraces = true;
        charge[i] = inBraces;
        if (text[i] == '}')
            inBraces = false;
    }
    return charge;
}

ReactionLayout LayoutReaction(std::string_view text, int originX, int subscriptsPosition,
    const GlyphMeasure &measure, bool chargeBraces)
{
    ReactionLayout layout;
    layout.imageHeight = measure.heightOfW(GlyphFont::Reaction) + 3;
    layout.glyphs.reserve(text.size());
    layout.charWidths.reserve(text.size());

    GlyphFont inUse = GlyphFont::Subscripts; // the font selected when the loop starts
    int x = originX, y = 1;
    const std::vector<bool> coefficient = CoefficientDigits(text);
    const std::vector<bool> charge = ChargeCharacters(text);
    const std::vector<bool> multiplier = MultiplierDigits(text);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        GlyphFont font;
        int glyphY = y;
        if (charge[i]) {
            font = GlyphFont::Superscripts;
            glyphY = 1;
        } else if (multiplier[i]) {
            y = glyphY = 1;
            font = inUse = GlyphFont::Reaction;
        } else if (coefficient[i]) {
            font = inUse = GlyphFont::Numbers;
        } else if (c == '-' || IsDigit(c)) {
            // Only a real change of face or size moves to the subscript baseline; otherwise
            // the digit keeps the font and line it follows.
            if (!measure.sameFaceAndSize(inUse, GlyphFont::Subscripts)) {
                inUse = GlyphFont::Subscripts;
                y = layout.imageHeight - subscriptsPosition
                    - measure.heightOfW(GlyphFont::Subscripts);
            }
            font = inUse;
            glyphY = y;
        } else {
            y = glyphY = 1;
            font = inUse = GlyphFont::Reaction;
            if (c == '>') {
                font = GlyphFont::Arrow;
                inUse = GlyphFont::Subscripts;
            }
        }
        const bool hidden = !chargeBraces && charge[i] && (c == '{' || c == '}');
        const int width = hidden ? 0 : measure.advance(font, c);
        layout.glyphs.push_back({ c, font, x, glyphY });
        layout.charWidths.push_back(width);
        x += width;
    }
    return layout;
}

} // namespace molvane
