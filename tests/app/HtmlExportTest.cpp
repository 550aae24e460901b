#include "app/HtmlExport.h"

#include <gtest/gtest.h>

#include <string>

using namespace molvane;

namespace {

const DocumentFont Reaction { "Arial", 14, true, false, WindowTextColor };
const DocumentFont Numbers { "Arial", 14, true, false, BlueColor };
const DocumentFont Subscripts { "Arial", 10, true, false, WindowTextColor };

const std::string N = "<font face=\"Arial\" color=\"#0000FF\" size=\"4\"><b>";
const std::string S = "<font face=\"Arial\" color=\"#080000\" size=\"2\"><b>";
const std::string E = "</b></font>";
const std::string Arrow = "<font face=\"Wingdings\">\u00E0</font>";

TEST(HtmlExport, FontSizesByPoints)
{
    const std::pair<int, int> cases[]
        = { { -3, 1 }, { 0, 1 }, { 8, 1 }, { 9, 2 }, { 10, 2 }, { 11, 3 }, { 12, 3 }, { 13, 4 },
              { 14, 4 }, { 15, 5 }, { 18, 5 }, { 19, 6 }, { 24, 6 }, { 25, 7 }, { 400, 7 } };
    for (const auto &[points, size] : cases)
        EXPECT_EQ(HtmlFontSize(points), size) << points;
}

TEST(HtmlExport, ColorDigitsLowestByteFirst)
{
    EXPECT_EQ(HtmlColorDigits(BlueColor), "0000FF");
    EXPECT_EQ(HtmlColorDigits(255), "FF0000");
    EXPECT_EQ(HtmlColorDigits(WindowTextColor), "080000");
    EXPECT_EQ(HtmlColorDigits(0x00ABCDEF), "EFCDAB");
}

TEST(HtmlExport, FontTagsFollowBoldAndItalic)
{
    EXPECT_EQ(FontOpenTag(Reaction), "<font face=\"Arial\" color=\"#080000\" size=\"4\"><b>");
    EXPECT_EQ(FontCloseTag(Reaction), "</b></font>");
    const DocumentFont both { "Tahoma", 8, true, true, 255 };
    EXPECT_EQ(FontOpenTag(both), "<font face=\"Tahoma\" color=\"#FF0000\" size=\"1\"><b><i>");
    EXPECT_EQ(FontCloseTag(both), "</i></b></font>");
    const DocumentFont plain { "Nazli", 12, false, false, 0 };
    EXPECT_EQ(FontOpenTag(plain), "<font face=\"Nazli\" color=\"#000000\" size=\"3\">");
    EXPECT_EQ(FontCloseTag(plain), "</font>");
}

TEST(HtmlExport, FaceNamesAreEscaped)
{
    const DocumentFont odd { "A\"B<C>&", 8, false, false, 0 };
    EXPECT_EQ(
        FontOpenTag(odd), "<font face=\"A&quot;B&lt;C&gt;&amp;\" color=\"#000000\" size=\"1\">");
}

struct ReactionCase
{
    const char *name;
    const char *reaction;
    std::string line;
};

class ReactionLineOf : public testing::TestWithParam<ReactionCase>
{
};

TEST_P(ReactionLineOf, Reaction)
{
    EXPECT_EQ(HtmlReactionLine(GetParam().reaction, Numbers, Subscripts), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(HtmlExport, ReactionLineOf,
    testing::Values(ReactionCase { "Water", "2H2+O2>2H2O",
                        N + "2" + E + "H" + S + "2" + E + "+O" + S + "2" + E + Arrow + N + "2" + E
                            + "H" + S + "2" + E + "O" },
        ReactionCase {
            "CoefficientDigitsEachTagged", "A>12B", "A" + Arrow + N + "1" + E + N + "2" + E + "B" },
        ReactionCase { "CountAfterBracketIsSubscript", "Ca(OH)2", "Ca(OH)" + S + "2" + E },
        ReactionCase {
            "LetterFirstNoCoefficient", "H2+O2", "H" + S + "2" + E + "+O" + S + "2" + E },
        ReactionCase { "CoefficientAfterPlus", "O2+10H",
            "O" + S + "2" + E + "+" + N + "1" + E + N + "0" + E + "H" },
        ReactionCase { "MinusIsPlain", "X-2Y", "X-" + S + "2" + E + "Y" },
        ReactionCase { "Empty", "", "" },
        ReactionCase { "MarkupEscaped", "A&B\"<", "A&amp;B&quot;&lt;" },
        ReactionCase { "FarsiPassesThrough", "مول2", "مول" + S + "2" + E }),
    [](const auto &info) { return info.param.name; });

TEST(HtmlExport, TableRowCells)
{
    const DocumentFont grid { "Arial", 8, false, false, WindowTextColor };
    const std::string g = "<font face=\"Arial\" color=\"#080000\" size=\"1\">";
    EXPECT_EQ(HtmlTableRow({ "Mol", "", "0", "a<b&c" }, grid),
        "<tr><td>" + g + "Mol</font></td><td>&nbsp;</td><td>" + g + "0</font></td><td>" + g
            + "a&lt;b&amp;c</font></td></tr>");
    EXPECT_EQ(HtmlTableRow({ "" }, grid), "<tr><td>&nbsp;</td></tr>");
}

} // namespace
