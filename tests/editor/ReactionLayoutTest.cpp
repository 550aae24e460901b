#include "editor/ReactionLayout.h"
#include "FakeMeasure.h"

#include <gtest/gtest.h>

#include <string>

using namespace molvane;

namespace {

// One letter per glyph: N numbers, S subscripts, R reaction, A arrow.
std::string fonts(const ReactionLayout &layout)
{
    std::string out;
    for (const PlacedGlyph &g : layout.glyphs)
        out += "RNSA"[int(g.font)];
    return out;
}

std::string rows(const ReactionLayout &layout)
{
    std::string out;
    for (const PlacedGlyph &g : layout.glyphs)
        out += std::to_string(g.y) + " ";
    return out;
}

struct LayoutCase
{
    const char *name;
    const char *text;
    int subscriptsPosition;
    bool sameSubscriptFace;
    const char *fonts;
    const char *rows; // image height is 22, a subscript cell 13 high
};

class LayoutReactionPlaces : public testing::TestWithParam<LayoutCase>
{
};

TEST_P(LayoutReactionPlaces, EveryGlyph)
{
    const LayoutCase &c = GetParam();
    FakeMeasure measure;
    measure.sameSubscriptFace = c.sameSubscriptFace;
    const ReactionLayout layout = LayoutReaction(c.text, 0, c.subscriptsPosition, measure);
    EXPECT_EQ(layout.imageHeight, 22);
    EXPECT_EQ(fonts(layout), c.fonts);
    EXPECT_EQ(rows(layout), c.rows);
}

INSTANTIATE_TEST_SUITE_P(Editor, LayoutReactionPlaces,
    testing::Values(LayoutCase { "Balanced", "2H2+3O2>2H2O", 0, false, "NRSRNRSANRSR",
                        "1 1 9 1 1 1 9 1 1 1 9 1 " },
        LayoutCase { "SubscriptsRaised", "H2O", 4, false, "RSR", "1 5 1 " },
        LayoutCase { "LeadingMinusStaysOnTop", "-H", 0, false, "SR", "1 1 " },
        LayoutCase { "MinusAfterArrowStaysOnTop", "H>-H", 0, false, "RASR", "1 1 1 1 " },
        LayoutCase { "MinusAfterLetterDrops", "X-2", 0, false, "RSS", "1 9 9 " },
        LayoutCase { "SameFaceKeepsTheLine", "H2O", 0, true, "RRR", "1 1 1 " },
        LayoutCase { "CoefficientRunOnlyOverDigits", "+12-3", 0, false, "RNNSS", "1 1 1 9 9 " },
        LayoutCase { "BracketCountIsSubscript", "Ca(OH)2", 0, false, "RRRRRRS", "1 1 1 1 1 1 9 " },
        LayoutCase {
            "HydrateMultiplierIsFormula", "2A*5B+2C", 0, false, "NRRRRRNR", "1 1 1 1 1 1 1 1 " },
        LayoutCase { "Empty", "", 0, false, "", "" }),
    [](const auto &info) { return info.param.name; });

TEST(LayoutReaction, APictureDropsTheChargeBraces)
{
    FakeMeasure measure;
    const ReactionLayout layout = LayoutReaction("Fe{3+}", 0, 0, measure, false);
    EXPECT_EQ(layout.charWidths, (std::vector<int> { 10, 10, 0, 6, 6, 0 }));
    EXPECT_EQ(layout.glyphs[3].x, 20); // the charge follows the formula at once
    EXPECT_EQ(layout.glyphs[3].y, 1); // raised
}

TEST(LayoutReaction, WidthsFollowTheDrawnGlyphsFromTheOrigin)
{
    FakeMeasure measure;
    const ReactionLayout layout = LayoutReaction("2H2>H", -15, 0, measure);
    EXPECT_EQ(layout.charWidths, (std::vector<int> { 8, 10, 6, 20, 10 }));
    std::vector<int> xs;
    for (const PlacedGlyph &g : layout.glyphs)
        xs.push_back(g.x);
    EXPECT_EQ(xs, (std::vector<int> { -15, -7, 3, 9, 29 }));
}

TEST(CoefficientDigits, DigitRunsAtTheStartOrAfterAJoin)
{
    const auto marks = [](std::string_view text) {
        std::string out;
        for (const bool coefficient : CoefficientDigits(text))
            out += coefficient ? 'c' : '.';
        return out;
    };
    EXPECT_EQ(marks("12H2+3O2>20H2O"), "cc...c...cc...");
    EXPECT_EQ(marks("H2O+-2"), "......");
    EXPECT_EQ(marks(""), "");
}

} // namespace
