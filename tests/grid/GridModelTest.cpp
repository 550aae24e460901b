#include "grid/GridModel.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace molvane;

namespace {

TEST(GridModel, BuiltInDefaults)
{
    const GridModel grid;
    EXPECT_EQ(grid.colCount(), 12);
    EXPECT_EQ(grid.rowCount(), 2);
    EXPECT_EQ(grid.defaultRowHeight(), 21);
    EXPECT_EQ(grid.typesList(),
        (std::vector<std::string> { "0", "0", "1", "2", "2", "2", "2", "2", "2", "2", "2", "2" }));
    for (int k = 0; k < grid.colCount(); ++k) {
        EXPECT_EQ(grid.colWidth(k), 100);
        EXPECT_EQ(grid.itemName(k), "");
        EXPECT_EQ(grid.cell(k, 1), "");
    }
    EXPECT_EQ(grid.rowHeight(0), 21);
    EXPECT_EQ(grid.rowHeight(1), 21);
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
    for (int k = 0; k < grid.colCount(); ++k)
        for (int r = 0; r < grid.rowCount(); ++r)
            grid.setCell(k, r, std::to_string(k) + ":" + std::to_string(r));
}

TEST(GridModel, ShrinkingKeepsCellsByPosition)
{
    GridModel grid;
    grid.setRowCount(5);
    label(grid);
    grid.setColCount(3);
    grid.setRowCount(3);
    EXPECT_EQ(grid.colCount(), 3);
    EXPECT_EQ(grid.rowCount(), 3);
    EXPECT_EQ(grid.cell(2, 2), "2:2");
    EXPECT_EQ(grid.cell(0, 0), "0:0");
    EXPECT_THROW(grid.cell(3, 0), std::out_of_range);
    EXPECT_THROW(grid.cell(0, 3), std::out_of_range);
}

TEST(GridModel, EnlargingAddsEmptyCellsAfterShrinking)
{
    GridModel grid;
    grid.setRowCount(4);
    label(grid);
    grid.setColCount(2);
    grid.setRowCount(2);
    grid.setColCount(4);
    grid.setRowCount(4);
    EXPECT_EQ(grid.cell(1, 1), "1:1");
    EXPECT_EQ(grid.cell(3, 1), ""); // removed cells do not come back
    EXPECT_EQ(grid.cell(1, 3), "");
    EXPECT_EQ(grid.cell(3, 3), "");
    EXPECT_EQ(grid.colWidth(3), GridModel::DefaultColWidth);
}

TEST(GridModel, KeepsAtLeastOneColumnAndTwoRows)
{
    GridModel grid;
    grid.setColCount(0);
    grid.setRowCount(1);
    EXPECT_EQ(grid.colCount(), 1);
    EXPECT_EQ(grid.rowCount(), 2);
    grid.setColCount(-5);
    grid.setRowCount(-5);
    EXPECT_EQ(grid.colCount(), 1);
    EXPECT_EQ(grid.rowCount(), 2);
}

TEST(GridModel, RowHeightsFollowTheDefault)
{
    GridModel grid;
    grid.setRowHeight(1, 40);
    grid.setRowCount(3);
    EXPECT_EQ(grid.rowHeight(1), 40); // a dragged row keeps its height
    EXPECT_EQ(grid.rowHeight(2), 21);
    grid.setDefaultRowHeight(25);
    EXPECT_EQ(grid.rowHeight(0), 25);
    EXPECT_EQ(grid.rowHeight(1), 25);
    grid.setRowCount(4);
    EXPECT_EQ(grid.rowHeight(3), 25);
}

TEST(GridModel, TypesListOutlivesColumns)
{
    GridModel grid;
    grid.setColCount(2);
    EXPECT_EQ(grid.typesList().size(), 12u);
    EXPECT_EQ(grid.typeOf(1), "0");
    grid.setTypesList({ "5", "3" });
    grid.setColCount(3);
    EXPECT_EQ(grid.typeOf(1), "3");
    EXPECT_EQ(grid.typeOf(2), ""); // no entry: no type, no check
    EXPECT_EQ(grid.typeOf(-1), "");
}

} // namespace
