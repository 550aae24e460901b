#pragma once

#include <string_view>
#include <vector>

namespace molvane {

/// The fonts a reaction is painted with; Arrow is the reaction font's arrow glyph, Superscripts
/// the subscripts' face and size in the reaction's colour, for charges.
enum class GlyphFont { Reaction, Numbers, Subscripts, Arrow, Superscripts };

/// What laying out a reaction needs from the toolkit: glyph advances and font heights.
class GlyphMeasure
{
public:
    virtual ~GlyphMeasure() = default;
    /// Advance of @p c in @p font; for Arrow the arrow glyph's advance whatever @p c is.
    virtual int advance(GlyphFont font, char c) const = 0;
    /// Height of the text "W" in @p font.
    virtual int heightOfW(GlyphFont font) const = 0;
    /// True when the two fonts have the same face name and size.
    virtual bool sameFaceAndSize(GlyphFont a, GlyphFont b) const = 0;
};

struct PlacedGlyph
{
    char character;
    GlyphFont font;
    int x, y; ///< top left of the glyph's text cell on the image
};

/// A reaction laid out on the editor image.
struct ReactionLayout
{
    int imageHeight = 0; ///< the reaction font's "W" height + 3
    std::vector<PlacedGlyph> glyphs; ///< one per character
    std::vector<int> charWidths; ///< the advance of each drawn character; 0 for one not drawn
};

/// Whether each character of @p text is a coefficient digit: one of a digit run at the start
/// or right after "+" or ">", or a hydrate part's multiplier right after "*". Digits of a
/// charge are none.
std::vector<bool> CoefficientDigits(std::string_view text);

/// Whether each character of @p text is a digit of a hydrate part's multiplier ("5" of
/// "CuSO4*5H2O"): a coefficient digit that belongs to the formula, painted as its letters.
std::vector<bool> MultiplierDigits(std::string_view text);

/// Whether each character of @p text belongs to a charge: its braces and what stands between.
std::vector<bool> ChargeCharacters(std::string_view text);

/// Places every character: coefficient digits (see CoefficientDigits) in the numbers font on
/// the top line, a hydrate part's multiplier in the reaction font, other digits and "-" on the
/// subscript baseline, the arrow on the top line (its painting centres it on the capitals), a
/// charge raised to the top line in Superscripts. @p originX is the x of the text's first
/// character. Without @p chargeBraces (a picture, as a textbook writes it) a charge's braces
/// take no room and are not drawn.
ReactionLayout LayoutReaction(std::string_view text, int originX, int subscriptsPosition,
    const GlyphMeasure &measure, bool chargeBraces = true);

} // namespace molvane
