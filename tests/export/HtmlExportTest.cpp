#include "export/HtmlExport.h"
#include "core/Derivation.h"
#include "document/DocumentFormat.h"
#include "texts/RedoxText.h"
#include "texts/WorkingText.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <string>

using namespace molvane;

namespace {

const DocumentFont Reaction { "Arial", 14, true, false, WindowTextColor };
const DocumentFont Numbers { "Arial", 14, true, false, BlueColor };
const DocumentFont Subscripts { "Arial", 10, true, false, WindowTextColor };

const std::string N = "<font face=\"Arial\" color=\"#0000FF\" size=\"4\"><b>";
const std::string S = "<font face=\"Arial\" color=\"#080000\" size=\"2\"><b>";
const std::string E = "</b></font>";
const std::string Arrow = "<font face=\"Wingdings\">&#8594;</font>";

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
        ReactionCase { "FarsiPassesThrough", "مول2", "مول" + S + "2" + E },
        ReactionCase { "ChargesRaised", "Fe{3+}+e{-}>Fe{2+}",
            "Fe<sup>3+</sup>+e<sup>-</sup>" + Arrow + "Fe<sup>2+</sup>" },
        ReactionCase { "HydrateJoinedByADot", "CuSO4*5H2O",
            "CuSO" + S + "4" + E + "&middot;5H" + S + "2" + E + "O" }),
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

namespace {

class HtmlPageOf : public testing::Test
{
protected:
    void SetUp() override
    {
        doc.reaction = "2H2+O2>2H2O";
        doc.grid.setColCount(2);
        doc.grid.setRowCount(3);
        doc.grid.setCell(0, 0, "Formula");
        doc.grid.setCell(1, 0, "Mol & <more>");
        doc.grid.setCell(0, 1, "H2");
        doc.grid.setCell(1, 2, "0");
    }

    Document doc;
};

TEST_F(HtmlPageOf, LayoutLinesAroundTheTable)
{
    const std::vector<std::string> lines = HtmlPageLines(doc, "Molvane - a&b");
    ASSERT_EQ(lines.size(), 11u + 3u);
    EXPECT_EQ(lines[0], "<html>");
    EXPECT_EQ(lines[1],
        "<head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1256\">");
    EXPECT_EQ(lines[2], "<title>Molvane - a&amp;b</title>");
    EXPECT_EQ(lines[3], "</head>");
    EXPECT_EQ(lines[4], "<body>");
    EXPECT_EQ(lines[5], "<font face=\"Arial\" color=\"#080000\" size=\"4\"><b>");
    EXPECT_EQ(lines[6],
        HtmlReactionLine(doc.reaction, doc.fonts[NumbersFont], doc.fonts[SubscriptsFont]));
    EXPECT_EQ(lines[7], "</b></font><br>");
    EXPECT_EQ(lines[8], "<table border=\"1\">");
    const std::string g = "<td><font face=\"Arial\" color=\"#080000\" size=\"1\">";
    EXPECT_EQ(lines[9],
        "<tr>" + g + "Formula</font></td>" + g + "Mol &amp; &lt;more&gt;</font></td></tr>");
    EXPECT_EQ(lines[10], "<tr>" + g + "H2</font></td><td>&nbsp;</td></tr>");
    EXPECT_EQ(lines[11], "<tr><td>&nbsp;</td>" + g + "0</font></td></tr>");
    EXPECT_EQ(lines[12], "</table></body>");
    EXPECT_EQ(lines[13], "</html>");
}

TEST_F(HtmlPageOf, EmptyReactionStillHasItsFontLines)
{
    doc.reaction.clear();
    doc.fonts[ReactionFont].italic = true;
    const std::vector<std::string> lines = HtmlPageLines(doc, "t");
    EXPECT_EQ(lines[5], "<font face=\"Arial\" color=\"#080000\" size=\"4\"><b><i>");
    EXPECT_EQ(lines[6], "");
    EXPECT_EQ(lines[7], "</i></b></font><br>");
}

TEST_F(HtmlPageOf, BytesAreWindows1256WithCrLf)
{
    doc.grid.setCell(0, 2, "مول");
    doc.grid.setCell(1, 1, "ی"); // no byte in the code page: a reference instead
    const QByteArray page = HtmlPage(doc, "t");
    EXPECT_TRUE(page.startsWith("<html>\r\n<head>"));
    EXPECT_TRUE(page.endsWith("</table></body>\r\n</html>\r\n"));
    EXPECT_EQ(page.count("\r\n"), 14);
    EXPECT_TRUE(page.contains("size=\"1\">\xE3\xE6\xE1</font>"));
    EXPECT_TRUE(page.contains("&#1740;"));
    EXPECT_TRUE(page.contains("<font face=\"Wingdings\">&#8594;</font>"));
    EXPECT_FALSE(page.contains('\xE0')); // the letter a-grave, never an arrow without Wingdings
}

TEST_F(HtmlPageOf, ExportWritesTheFileAndChangesNothing)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("page.html");
    ExportHtml(doc, "t", path);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), HtmlPage(doc, "t"));
    EXPECT_THROW(ExportHtml(doc, "t", dir.filePath("none/page.html")), DocumentWriteError);
}

// The page lines between "<pre>" and "</pre>", joined as the page's line breaks show them.
std::string preformatted(const std::vector<std::string> &lines)
{
    std::string text;
    bool inside = false;
    for (std::string line : lines) {
        if (line.starts_with("<pre>")) {
            inside = true;
            line.erase(0, 5);
        }
        if (!inside)
            continue;
        if (line.ends_with("</pre>")) {
            text += line.substr(0, line.size() - 6) + "\n";
            break;
        }
        text += line + "\n";
    }
    return text;
}

TEST_F(HtmlPageOf, TheWorkingFollowsTheTableOnlyWhenAsked)
{
    const std::vector<std::string> plain = HtmlPageLines(doc, "t");
    const std::vector<std::string> lines = HtmlPageLines(doc, "t", PageWorking { "H2+O2>H2O" });
    ASSERT_GT(lines.size(), plain.size());
    EXPECT_TRUE(std::equal(plain.begin(), plain.begin() + 12, lines.begin()));
    EXPECT_EQ(lines[12], "</table>");
    EXPECT_EQ(lines[13], "<hr>");
    EXPECT_EQ(lines[14], "<div lang=\"en\">");
    EXPECT_EQ(lines[15], "<h3>Working</h3>");
    EXPECT_EQ(lines[16], "<pre>Unknowns, one per substance:");
    EXPECT_EQ(preformatted(lines), WorkingText(DeriveBalance("H2+O2>H2O"), UiLanguage::English));
    // The half-reactions follow under their own heading.
    const auto check = std::find(lines.begin(), lines.end(), "Check: H: 4 = 4, O: 2 = 2</pre>");
    ASSERT_NE(check, lines.end());
    EXPECT_EQ(*(check + 1), "<h3>Half-reactions</h3>");
    EXPECT_EQ(*(check + 2), "<pre>Oxidation numbers:");
    EXPECT_EQ(preformatted(std::vector<std::string>(check + 2, lines.end())),
        EscapeHtml(ReactionRedoxText("H2+O2>H2O", UiLanguage::English)));
    EXPECT_EQ(lines[lines.size() - 3], "</div>");
    EXPECT_EQ(lines[lines.size() - 2], "</body>");
    EXPECT_EQ(lines.back(), "</html>");
    EXPECT_EQ(preformatted(plain), "");
}

TEST_F(HtmlPageOf, FarsiWorkingReadsFromTheRightWithEquationsLeftToRight)
{
    const std::vector<std::string> lines
        = HtmlPageLines(doc, "t", PageWorking { "H2+O2>H2O", UiLanguage::Farsi });
    EXPECT_EQ(lines[14], "<div dir=\"rtl\" lang=\"fa\">");
    EXPECT_EQ(lines[15], "<h3>راه حل</h3>");
    const std::string working = preformatted(lines);
    EXPECT_EQ(working, WorkingText(DeriveBalance("H2+O2>H2O"), UiLanguage::Farsi));
    EXPECT_NE(working.find("\u200eH: 2a = 2c\u200e"), std::string::npos);

    // Each mark travels as its Windows-1256 byte.
    const QByteArray page = HtmlPage(doc, "t", PageWorking { "H2+O2>H2O", UiLanguage::Farsi });
    EXPECT_TRUE(page.contains("\r\n\xFE  \xFD"
                              "H: 2a = 2c\xFD\r\n"));
}

TEST_F(HtmlPageOf, WorkingOfAReactionOutsideTheGrammarIsEscaped)
{
    const std::vector<std::string> lines = HtmlPageLines(doc, "t", PageWorking { "H2&O>H2O" });
    EXPECT_EQ(lines[16],
        "<pre>Invalid reaction: &quot;&amp;&quot; at position 3 is not part of a reaction</pre>");
    EXPECT_EQ(lines[17], "<h3>Half-reactions</h3>");
    EXPECT_EQ(lines[18],
        "<pre>Invalid reaction: &quot;&amp;&quot; at position 3 is not part of a reaction</pre>");
    EXPECT_EQ(lines[19], "</div>");
}

TEST(HtmlExport, HtmlExtensionOnlyWhenThereIsNone)
{
    EXPECT_EQ(WithHtmlExtension("/tmp/page"), "/tmp/page.html");
    EXPECT_EQ(WithHtmlExtension("/tmp/page.htm"), "/tmp/page.htm");
    EXPECT_EQ(WithHtmlExtension("/tmp/page.txt"), "/tmp/page.txt");
    EXPECT_EQ(WithHtmlExtension("/tmp/dir.d/page"), "/tmp/dir.d/page.html");
}

} // namespace
