// The forms Copy puts on the clipboard beside plain text.
#include "export/ClipboardForms.h"

#include <gtest/gtest.h>

using namespace molvane;

namespace {

struct HtmlCase
{
    const char *reaction;
    const char *html; // after the charset declaration
};

class ReactionHtmlTest : public testing::TestWithParam<HtmlCase>
{
};

TEST_P(ReactionHtmlTest, SubscriptsAndCharges)
{
    const std::string html = ReactionHtml(GetParam().reaction);
    const std::string charset = "<meta charset=\"utf-8\">";
    ASSERT_TRUE(html.starts_with(charset));
    EXPECT_EQ(html.substr(charset.size()), GetParam().html);
}

INSTANTIATE_TEST_SUITE_P(Table, ReactionHtmlTest,
    testing::Values(HtmlCase { "2H2+O2>2H2O", "2H<sub>2</sub> + O<sub>2</sub> → 2H<sub>2</sub>O" },
        HtmlCase { "C6H12O6", "C<sub>6</sub>H<sub>12</sub>O<sub>6</sub>" },
        HtmlCase { "Ca(OH)2", "Ca(OH)<sub>2</sub>" },
        HtmlCase { "Fe{3+}+e{-}>Fe{2+}", "Fe<sup>3+</sup> + e<sup>−</sup> → Fe<sup>2+</sup>" },
        HtmlCase { "CuSO4*5H2O", "CuSO<sub>4</sub>·5H<sub>2</sub>O" },
        HtmlCase { "NaCl(aq)", "NaCl(aq)" }, HtmlCase { "A<B&C", "A&lt;B&amp;C" },
        HtmlCase { "", "" }));

TEST(CellTableHtml, RowsCellsAndDirection)
{
    const std::vector<std::vector<std::string>> rows { { "Formula", "Gram" }, { "H2O", "" },
        { "a<b", "1" } };
    EXPECT_EQ(CellTableHtml(rows, false),
        "<meta charset=\"utf-8\"><table border=\"1\"><tr><td>Formula</td><td>Gram</td></tr>"
        "<tr><td>H2O</td><td></td></tr><tr><td>a&lt;b</td><td>1</td></tr></table>");
    EXPECT_NE(
        CellTableHtml(rows, true).find("<table border=\"1\" dir=\"rtl\">"), std::string::npos);
}

} // namespace
