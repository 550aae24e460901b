#include "grid/BalanceFill.h"
#include "core/Balance.h"

#include <gtest/gtest.h>

using namespace molvane;

namespace {

// Columns: formula, Real, number, weight.
GridModel fourColumns()
{
    GridModel grid;
    grid.setColCount(4);
    grid.setTypesList({ "5", "2", "3", "4" });
    return grid;
}

std::vector<std::string> column(const GridModel &grid, int col)
{
    std::vector<std::string> cells;
    for (int row = 1; row < grid.rowCount(); ++row)
        cells.push_back(grid.cell(col, row));
    return cells;
}

using Texts = std::vector<std::string>;

TEST(FillGridFromBalance, OneRowPerSubstanceWithTheFilledTypes)
{
    GridModel grid = fourColumns();
    FillGridFromBalance(grid, Balance("H2+O2>H2O"));
    EXPECT_EQ(grid.rowCount(), 4);
    EXPECT_EQ(column(grid, 0), (Texts { "H2", "O2", "H2O" }));
    EXPECT_EQ(column(grid, 2), (Texts { "2", "1", "2" }));
    EXPECT_EQ(column(grid, 3), (Texts { "2.02", "31.98", "18.01" }));
}

TEST(FillGridFromBalance, OtherColumnsKeepTheirTextsRowByRow)
{
    GridModel grid = fourColumns();
    grid.setRowCount(3);
    grid.setCell(1, 1, "4.5");
    grid.setCell(1, 2, "9");
    grid.setCell(2, 1, "77"); // a typed coefficient is overwritten
    FillGridFromBalance(grid, Balance("Fe+O2>Fe2O3"));
    EXPECT_EQ(column(grid, 1), (Texts { "4.5", "9", "" }));
    EXPECT_EQ(column(grid, 2), (Texts { "4", "3", "2" }));
}

TEST(FillGridFromBalance, FormulasAppearAsTyped)
{
    GridModel grid = fourColumns();
    FillGridFromBalance(grid, Balance("C1H4+O2>CO2+H2O1"));
    EXPECT_EQ(column(grid, 0), (Texts { "C1H4", "O2", "CO2", "H2O1" }));
}

TEST(FillGridFromBalance, AWeightThatFailsEndsTheFilling)
{
    GridModel grid = fourColumns();
    grid.setColCount(5);
    grid.setTypesList({ "5", "2", "3", "4", "4" });
    FillGridFromBalance(grid, Balance("Ca+Xx2>CaXx2"));
    EXPECT_EQ(column(grid, 0), (Texts { "Ca", "Xx2", "CaXx2" }));
    EXPECT_EQ(column(grid, 2), (Texts { "1", "1", "1" }));
    EXPECT_EQ(column(grid, 3), (Texts { "40.08", "", "" }));
    EXPECT_EQ(column(grid, 4), (Texts { "", "", "" }));
}

TEST(FillGridFromBalance, TypesBeyondTheColumnsAreIgnored)
{
    GridModel grid;
    grid.setColCount(1);
    grid.setTypesList({ "2", "5", "3" });
    FillGridFromBalance(grid, Balance("H2+O2>H2O"));
    EXPECT_EQ(grid.rowCount(), 4);
    EXPECT_EQ(column(grid, 0), (Texts { "", "", "" }));
}

} // namespace
