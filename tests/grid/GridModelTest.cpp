#include "grid/GridModel.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace molvane;

namespace {

TEST(GridModel, BuiltInDefaults)
{
    const GridModel grid;
    EXPECT_EQ(grid.ColCount(), 12);
    EXPECT_EQ(grid.RowCount(), 2);
    EXPECT_EQ(grid.DefaultRowHeight(), 21);
    EXPECT_EQ(grid.TypesList(),
        (std::vector<std::string> { "0", "0", "1", "2", "2", "2", "2", "2", "2", "2", "2", "2" }));
    for (int k = 0; k < grid.ColCount(); ++k) {
        EXPECT_EQ(grid.ColWidth(k), 100);
        EXPECT_EQ(grid.ItemName(k), "");
        EXPECT_EQ(grid.Cell(k, 1), "");
    }
    EXPECT_EQ(grid.RowHeight(0), 21);
    EXPECT_EQ(grid.RowHeight(1), 21);
}

TEST(GridModel, ItemTypeNamesByCode)
{
    EXPECT_EQ(ItemTypeNames[0], "Text");
    EXPECT_EQ(ItemTypeNames[1], "Integer");
    EXPECT_EQ(ItemTypeNames[2], "Real");
    EXPECT_EQ(ItemTypeNames[3], "Substance Number");
    EXPECT_EQ(ItemTypeNames[4], "Atomic Weight");
    EXPECT_EQ(ItemTypeNames[5], "Substance Formula");
}

// Fills every cell with its own coordinates, "col:row".
void label(GridModel &grid)
{
    for (int k = 0; k < grid.ColCount(); ++k)
        for (int r = 0; r < grid.RowCount(); ++r)
            grid.SetCell(k, r, std::to_string(k) + ":" + std::to_string(r));
}

TEST(GridModel, ShrinkingKeepsCellsByPosition)
{
    GridModel grid;
    grid.SetRowCount(5);
    label(grid);
    grid.SetColCount(3);
    grid.SetRowCount(3);
    EXPECT_EQ(grid.ColCount(), 3);
    EXPECT_EQ(grid.RowCount(), 3);
    EXPECT_EQ(grid.Cell(2, 2), "2:2");
    EXPECT_EQ(grid.Cell(0, 0), "0:0");
    EXPECT_THROW(grid.Cell(3, 0), std::out_of_range);
    EXPECT_THROW(grid.Cell(0, 3), std::out_of_range);
}

TEST(GridModel, EnlargingAddsEmptyCellsAfterShrinking)
{
    GridModel grid;
    grid.SetRowCount(4);
    label(grid);
    grid.SetColCount(2);
    grid.SetRowCount(2);
    grid.SetColCount(4);
    grid.SetRowCount(4);
    EXPECT_EQ(grid.Cell(1, 1), "1:1");
    EXPECT_EQ(grid.Cell(3, 1), ""); // removed cells do not come back
    EXPECT_EQ(grid.Cell(1, 3), "");
    EXPECT_EQ(grid.Cell(3, 3), "");
    EXPECT_EQ(grid.ColWidth(3), GridModel::DefaultColWidth);
}

TEST(GridModel, KeepsAtLeastOneColumnAndTwoRows)
{
    GridModel grid;
    grid.SetColCount(0);
    grid.SetRowCount(1);
    EXPECT_EQ(grid.ColCount(), 1);
    EXPECT_EQ(grid.RowCount(), 2);
    grid.SetColCount(-5);
    grid.SetRowCount(-5);
    EXPECT_EQ(grid.ColCount(), 1);
    EXPECT_EQ(grid.RowCount(), 2);
}

TEST(GridModel, RowHeightsFollowTheDefault)
{
    GridModel grid;
    grid.SetRowHeight(1, 40);
    grid.SetRowCount(3);
    EXPECT_EQ(grid.RowHeight(1), 40); // a dragged row keeps its height
    EXPECT_EQ(grid.RowHeight(2), 21);
    grid.SetDefaultRowHeight(25);
    EXPECT_EQ(grid.RowHeight(0), 25);
    EXPECT_EQ(grid.RowHeight(1), 25);
    grid.SetRowCount(4);
    EXPECT_EQ(grid.RowHeight(3), 25);
}

TEST(GridModel, TypesListOutlivesColumns)
{
    GridModel grid;
    grid.SetColCount(2);
    EXPECT_EQ(grid.TypesList().size(), 12u);
    EXPECT_EQ(grid.TypeOf(1), "0");
    grid.SetTypesList({ "5", "3" });
    grid.SetColCount(3);
    EXPECT_EQ(grid.TypeOf(1), "3");
    EXPECT_EQ(grid.TypeOf(2), ""); // no entry: no type, no check
    EXPECT_EQ(grid.TypeOf(-1), "");
}

} // namespace
