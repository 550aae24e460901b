#include "grid/GridItems.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace molvane;

namespace {

struct EntryCase
{
    const char *label;
    const char *entry;
    const char *name, *type, *width;
};

class ItemEntryParsing : public testing::TestWithParam<EntryCase>
{
};

TEST_P(ItemEntryParsing, ReadsByPosition)
{
    const EntryCase &c = GetParam();
    const ItemEntry item = ParseItemEntry(c.entry);
    EXPECT_EQ(item.name, c.name);
    EXPECT_EQ(item.type, c.type);
    EXPECT_EQ(item.width, c.width);
}

INSTANTIATE_TEST_SUITE_P(Entries, ItemEntryParsing,
    testing::Values(EntryCase { "new_item", "New Item:0=100", "New Item", "0", "100" },
        EntryCase { "empty_name", ":5=80", "", "5", "80" },
        EntryCase { "empty_width", "Mol:2=", "Mol", "2", "" },
        EntryCase { "name_only", "Mass", "Mass", "", "" },
        EntryCase { "farsi_name", "مول:1=90", "مول", "1", "90" },
        EntryCase { "width_after_any_separator", "A:3x75", "A", "3", "75" }),
    [](const auto &info) { return std::string(info.param.label); });

TEST(ItemEntries, RoundTripThroughTheGrid)
{
    GridModel grid;
    grid.setColCount(2);
    grid.setCell(0, 0, "Formula");
    grid.setCell(1, 0, "Mol");
    grid.setColWidth(1, 64);
    grid.setTypesList({ "5", "2", "1" });
    EXPECT_EQ(ItemEntries(grid), (std::vector<std::string> { "Formula:5=100", "Mol:2=64" }));
    EXPECT_EQ(FormulaTargets(grid), (std::vector<std::string> { "#Formula(a)", "#Mol(a)" }));
}

struct NumberCase
{
    const char *text;
    int fallback, expected;
};

class FieldNumbers : public testing::TestWithParam<NumberCase>
{
};

TEST_P(FieldNumbers, EmptyOrUnreadableGivesTheFallback)
{
    EXPECT_EQ(FieldNumber(GetParam().text, GetParam().fallback), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Fields, FieldNumbers,
    testing::Values(NumberCase { "12", 1, 12 }, NumberCase { "", 1, 1 }, NumberCase { "", 0, 0 },
        NumberCase { "007", 100, 7 }, NumberCase { "99999999999", 100, 100 },
        NumberCase { "1a", 100, 100 }));

// A grid with a filled substance row, to show the cells stay where they are.
GridModel threeColumns()
{
    GridModel grid;
    grid.setColCount(3);
    for (int col = 0; col < 3; ++col) {
        grid.setCell(col, 0, std::string(1, char('A' + col)));
        grid.setCell(col, 1, "cell" + std::to_string(col));
    }
    grid.setTypesList({ "0", "1", "2", "3" });
    return grid;
}

TEST(ApplyItems, DuplicateNamesIgnoringCaseBecomeItemK)
{
    GridModel grid = threeColumns();
    ApplyItems(grid, { "Mol:2=90", "mol:2=80", "MOL:1=70" });
    EXPECT_EQ(grid.itemName(0), "Mol");
    EXPECT_EQ(grid.itemName(1), "Item 1");
    EXPECT_EQ(grid.itemName(2), "Item 2");
    EXPECT_EQ(grid.colWidth(2), 70);
}

TEST(ApplyItems, MovedItemReordersHeadersNotCells)
{
    GridModel grid = threeColumns();
    std::vector<std::string> entries = ItemEntries(grid);
    std::rotate(entries.begin(), entries.begin() + 2, entries.end());
    ApplyItems(grid, entries);
    EXPECT_EQ(grid.itemName(0), "C");
    EXPECT_EQ(grid.itemName(1), "A");
    EXPECT_EQ(grid.typesList(), (std::vector<std::string> { "2", "0", "1", "3" }));
    EXPECT_EQ(grid.cell(0, 1), "cell0");
}

TEST(ApplyItems, DeletedItemDropsItsCellsAndKeepsLaterTypes)
{
    GridModel grid = threeColumns();
    std::vector<std::string> entries = ItemEntries(grid);
    entries.pop_back();
    ApplyItems(grid, entries);
    EXPECT_EQ(grid.colCount(), 2);
    EXPECT_EQ(grid.typesList(), (std::vector<std::string> { "0", "1", "2", "3" }));
    grid.setColCount(3);
    EXPECT_EQ(grid.cell(2, 1), "");
}

TEST(ApplyItems, NewItemIsAnEmptyTextColumn)
{
    GridModel grid = threeColumns();
    std::vector<std::string> entries = ItemEntries(grid);
    entries.insert(entries.end(), { std::string(NewItemEntry), std::string(NewItemEntry) });
    ApplyItems(grid, entries);
    ASSERT_EQ(grid.colCount(), 5);
    EXPECT_EQ(grid.itemName(3), "New Item");
    EXPECT_EQ(grid.itemName(4), "Item 4");
    EXPECT_EQ(grid.typesList(), (std::vector<std::string> { "0", "1", "2", "0", "0" }));
    EXPECT_EQ(grid.colWidth(3), 100);
    EXPECT_EQ(grid.cell(3, 1), "");
}

TEST(ApplyItems, NoEntriesKeepOnlyTheFirstColumn)
{
    GridModel grid = threeColumns();
    grid.setColWidth(0, 42);
    ApplyItems(grid, {});
    ASSERT_EQ(grid.colCount(), 1);
    EXPECT_EQ(grid.itemName(0), "A");
    EXPECT_EQ(grid.typeOf(0), "0");
    EXPECT_EQ(grid.colWidth(0), 42);
    EXPECT_EQ(grid.cell(0, 1), "cell0");
}

TEST(ApplyItems, ShortTypesListGrowsWithTheColumns)
{
    GridModel grid = threeColumns();
    grid.setTypesList({ "1" });
    ApplyItems(grid, { "A:1=10", "B:2=10", "C:5=10" });
    EXPECT_EQ(grid.typesList(), (std::vector<std::string> { "1", "2", "5" }));
}

TEST(ApplyItems, UnreadableWidthIsOneHundred)
{
    GridModel grid = threeColumns();
    ApplyItems(grid, { "A:1=", "B:1=wide" });
    EXPECT_EQ(grid.colWidth(0), 100);
    EXPECT_EQ(grid.colWidth(1), 100);
}

TEST(Formulas, SplitAtTheFirstEquals)
{
    EXPECT_EQ(SplitFormula("#Mol(a)=#Mass(a)/#Weight(a)").target, "#Mol(a)");
    EXPECT_EQ(SplitFormula("#A(a)=b=c").expression, "b=c");
    const FormulaParts bare = SplitFormula("Mol(a) times two");
    EXPECT_EQ(bare.target, "");
    EXPECT_EQ(bare.expression, "Mol(a) times two");
}

TEST(Formulas, TargetsMatchIgnoringCase)
{
    const std::vector<std::string> targets = { "#Mass(a)", "#Mol(a)" };
    EXPECT_EQ(FindTarget(targets, "#MOL(a)"), 1);
    EXPECT_EQ(FindTarget(targets, "Mol(a)"), -1);
    EXPECT_EQ(NewFormulaLine(targets), "#Mass(a)=b*c");
    EXPECT_EQ(NewFormulaLine({ "#(a)" }), "#(a)=b*c");
}

} // namespace
