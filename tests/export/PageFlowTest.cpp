// How the printed table and the working flow down pages.
#include "export/PageFlow.h"

#include <gtest/gtest.h>

using namespace molvane;

namespace {

struct FlowCase
{
    const char *name;
    std::vector<int> heights;
    std::vector<PageRange> pages; ///< expected
    int repeated, firstSpace, pageSpace;
    int spaceLeft; ///< expected
};

class FlowDownPagesTest : public testing::TestWithParam<FlowCase>
{
};

TEST_P(FlowDownPagesTest, Pages)
{
    const FlowCase &c = GetParam();
    const PageFlow flow = FlowDownPages(c.heights, c.repeated, c.firstSpace, c.pageSpace);
    EXPECT_EQ(flow.pages, c.pages);
    EXPECT_EQ(flow.spaceLeft, c.spaceLeft);
}

const FlowCase FlowCases[] = {
    { "all_on_the_first_page", { 20, 20, 20 }, { { 0, 3 } }, 21, 100, 200, 19 },
    { "exactly_full", { 20, 20 }, { { 0, 2 } }, 20, 60, 200, 0 },
    // Each later page starts with the repeated header again: 200 - 21 = 179 holds 8 rows.
    { "header_repeated", std::vector<int>(20, 20), { { 0, 3 }, { 3, 11 }, { 11, 19 }, { 19, 20 } },
        21, 100, 200, 159 },
    { "first_page_without_room", { 20, 20 }, { { 0, 0 }, { 0, 2 } }, 21, 30, 200, 139 },
    // A row taller than a page still goes on a page of its own rather than nowhere.
    { "taller_than_a_page", { 20, 500, 20 }, { { 0, 1 }, { 1, 2 }, { 2, 3 } }, 10, 100, 200, 170 },
    { "no_rows", {}, { { 0, 0 } }, 21, 100, 200, 79 },
    { "lines_without_header", { 10, 10, 10, 10 }, { { 0, 1 }, { 1, 3 }, { 3, 4 } }, 0, 15, 25, 15 },
    { "negative_counts_as_zero", { -5, 20 }, { { 0, 2 } }, 0, 20, 50, 0 },
};

INSTANTIATE_TEST_SUITE_P(Table, FlowDownPagesTest, testing::ValuesIn(FlowCases),
    [](const testing::TestParamInfo<FlowCase> &info) { return std::string(info.param.name); });

TEST(TableFlowHeights, HeaderWholeOthersLessTheSharedLine)
{
    const std::vector<int> rows { 21, 21, 30, -4 };
    const TableHeights table = TableFlowHeights(rows);
    EXPECT_EQ(table.header, 21);
    EXPECT_EQ(table.body, (std::vector<int> { 20, 29, 0 }));
    EXPECT_EQ(TableFlowHeights({}).body.size(), 0u);
}

} // namespace
