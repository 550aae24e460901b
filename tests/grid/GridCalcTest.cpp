#include "grid/GridCalc.h"

#include "PlainGridCalc.h"
#include "grid/CellCheck.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using namespace molvane;

namespace {

using Rows = std::vector<std::vector<std::string>>;

// A grid with the given item names and substance rows.
GridModel makeGrid(const std::vector<std::string> &names, const Rows &rows)
{
    GridModel grid;
    grid.setColCount(static_cast<int>(names.size()));
    grid.setRowCount(static_cast<int>(rows.size()) + 1);
    for (int k = 0; k < grid.colCount(); ++k) {
        grid.setCell(k, 0, names[k]);
        for (int r = 1; r < grid.rowCount(); ++r)
            grid.setCell(k, r, rows[r - 1][k]);
    }
    return grid;
}

// The substance rows of a grid, for comparing with the expected rows.
Rows substanceRows(const GridModel &grid)
{
    Rows rows;
    for (int r = 1; r < grid.rowCount(); ++r) {
        rows.emplace_back();
        for (int k = 0; k < grid.colCount(); ++k)
            rows.back().push_back(grid.cell(k, r));
    }
    return rows;
}

// Which cells are marked computed, row by row.
std::vector<std::vector<bool>> computedMarks(const GridModel &grid)
{
    std::vector<std::vector<bool>> marks(std::size_t(grid.rowCount()));
    for (int r = 0; r < grid.rowCount(); ++r)
        for (int k = 0; k < grid.colCount(); ++k)
            marks[std::size_t(r)].push_back(grid.isComputed(k, r));
    return marks;
}

struct CalcCase
{
    const char *name;
    std::vector<std::string> names;
    Rows rows;
    std::vector<std::string> formulas;
    Rows expected;
};

class CalculateGridCase : public testing::TestWithParam<CalcCase>
{
};

TEST_P(CalculateGridCase, FillsTheGrid)
{
    const CalcCase &c = GetParam();
    GridModel grid = makeGrid(c.names, c.rows);
    CalculateGrid(grid, c.formulas);
    EXPECT_EQ(substanceRows(grid), c.expected);
    for (int k = 0; k < grid.colCount(); ++k)
        EXPECT_EQ(grid.itemName(k), c.names[k]);
}

const auto caseName = [](const auto &info) { return info.param.name; };

// The command's defining consequences and edge cases, one row each.
INSTANTIATE_TEST_SUITE_P(Consequences, CalculateGridCase,
    testing::Values(
        CalcCase { "SingleRowHasNoPair", { "X" }, { { "" } }, { "#X(a)=1+1" }, { { "" } } },
        CalcCase { "MolFromMassAndWeight", { "Mol", "Mass", "Weight" },
            { { "", "36", "18" }, { "", "64", "32" }, { "7", "10", "5" } },
            { "#Mol(a)=#Mass(a)/#Weight(a)" },
            { { "2", "36", "18" }, { "2", "64", "32" }, { "7", "10", "5" } } },
        CalcCase { "MolFromOtherSubstances", { "Mol", "Number" },
            { { "", "2" }, { "", "3" }, { "8", "4" } }, { "#Mol(a)=#Mol(b)*#Number(a)/#Number(b)" },
            { { "4", "2" }, { "6", "3" }, { "8", "4" } } },
        CalcCase { "FirstRowWithTheValueDecides", { "Mol", "Number" },
            { { "", "2" }, { "", "3" }, { "8", "4" } }, { "#Mol(a)=#Mol(b)+#Number(a)" },
            { { "10", "2" }, { "13", "3" }, { "8", "4" } } },
        CalcCase { "SelfReferenceNeverApplied", { "X" }, { { "" }, { "1" } }, { "#X(a)=#X(a)+1" },
            { { "" }, { "1" } } },
        CalcCase { "CopyGetsLeadingZero", { "X" }, { { "" }, { "12.5" }, { "" } },
            { "#X(a)=#X(b)" }, { { "012.5" }, { "12.5" }, { "0012.5" } } },
        CalcCase { "TargetInOtherCaseOverwrites", { "Mol", "Mass" }, { { "5", "3" }, { "", "4" } },
            { "#mol(a)=#Mass(a)*2" }, { { "6", "3" }, { "8", "4" } } },
        CalcCase { "RenamedItemNeverApplied", { "Moles", "Mass", "Weight" },
            { { "", "36", "18" }, { "", "64", "32" } }, { "#Mol(a)=#Mass(a)/#Weight(a)" },
            { { "", "36", "18" }, { "", "64", "32" } } },
        CalcCase { "ReferenceMatchesCaseExactly", { "X", "Mass" }, { { "", "36" }, { "", "64" } },
            { "#X(a)=#mass(a)+1" }, { { "", "36" }, { "", "64" } } },
        CalcCase { "TargetOfBNeverApplied", { "X" }, { { "" }, { "" } }, { "#X(b)=1+1" },
            { { "" }, { "" } } },
        CalcCase { "DivisionByZeroLeavesEmpty", { "X" }, { { "" }, { "" } }, { "#X(a)=1/0" },
            { { "" }, { "" } } },
        CalcCase { "FilledWithSpaceIsNotOverwritten", { "X" }, { { " " }, { "" } }, { "#X(a)=1+1" },
            { { " " }, { "2" } } },
        CalcCase { "SamePairDoesNotFeedItself", { "X", "Y" }, { { "", "" }, { "", "" } },
            { "#Y(a)=#X(a)*2", "#X(a)=3+0" }, { { "3", "" }, { "3", "" } } },
        CalcCase { "LaterPairsSeeEarlierResults", { "X", "Y" },
            { { "", "" }, { "", "" }, { "", "" } }, { "#Y(a)=#X(a)*2", "#X(a)=3+0" },
            { { "3", "6" }, { "3", "6" }, { "3", "6" } } },
        CalcCase { "LaterLineWithSameTargetWins", { "X" }, { { "" }, { "" } },
            { "#X(a)=1+0", "#X(a)=2+0" }, { { "2" }, { "2" } } },
        CalcCase { "NegativeCellSubtracts", { "X", "V" }, { { "", "-3" }, { "", "4" } },
            { "#X(a)=2*#V(a)" }, { { "-3", "-3" }, { "8", "4" } } },
        CalcCase { "TextCellFailsWithOperator", { "X", "Y", "V" },
            { { "", "", "abc" }, { "", "", "" } }, { "#X(a)=#V(a)+1", "#Y(a)=#V(a)" },
            { { "", "0abc", "abc" }, { "", "", "" } } },
        CalcCase { "LinesWithoutHashNeverApplied", { "Mol", "Number" },
            { { "", "2" }, { "3", "" } },
            { "Mol(a),Mol(b)=Number(a),Number(b)", "Number(a),Number(b)=Mol(a),Mol(b)" },
            { { "", "2" }, { "3", "" } } },
        CalcCase { "BadLinesAffectOnlyThemselves", { "X", "Y" }, { { "", "" }, { "", "" } },
            { "#X(a)", "#Nothing(a)=1+1", "#X(a)=1/0", "#Y(a)=4+0" },
            { { "", "4" }, { "", "4" } } },
        CalcCase { "TargetWithoutItsReferenceIsSkipped", { "Mo", "X" }, { { "", "" }, { "", "" } },
            { "#Molar=5+0", "#X=1+1" }, { { "", "" }, { "", "" } } },
        CalcCase { "EmptyNameTarget", { "", "X" }, { { "", "" }, { "5", "" } }, { "#(a)=1+1" },
            { { "2", "" }, { "5", "" } } },
        CalcCase { "InsertedTextMeetsLaterColumns", { "X", "V", "W" },
            { { "", "#W(a)", "4" }, { "", "", "" } }, { "#X(a)=#V(a)+1" },
            { { "5", "#W(a)", "4" }, { "", "", "" } } },
        CalcCase { "InsertedTextMissesEarlierColumns", { "X", "W", "V" },
            { { "", "4", "#W(a)" }, { "", "", "" } }, { "#X(a)=#V(a)+1" },
            { { "", "4", "#W(a)" }, { "", "", "" } } },
        CalcCase { "SelfInsertingCellEnds", { "X", "V" }, { { "", "#V(a)" }, { "", "" } },
            { "#X(a)=#V(a)" }, { { "", "#V(a)" }, { "", "" } } },
        CalcCase { "InsertedTextCompletesTarget", { "X", "#X", "Mol" },
            { { "Mol(a)", "1", "" }, { "", "", "" } }, { "##X(a)=2+0" },
            { { "Mol(a)", "1", "2" }, { "", "", "" } } },
        CalcCase { "InsertedTextCompletesAReference", { "X", "Q", "Mass" },
            { { "", "ss(a)", "5" }, { "", "", "" } }, { "#X(a)=#Ma#Q(a)*2" },
            { { "10", "ss(a)", "5" }, { "", "", "" } } },
        CalcCase { "PairThatWritesTheSameAgainIsNotTheLast", { "X", "W" },
            { { "1", "" }, { "", "1" }, { "", "" } }, { "#x(a)=1+1", "#x(a)=#W(b)+0" },
            { { "2", "" }, { "2", "1" }, { "1", "" } } },
        CalcCase { "LineBreakInCellSplitsTheLine", { "X", "V", "Y" },
            { { "", "1\r#Y(a)=7+0", "" }, { "", "", "" } }, { "#X(a)=#V(a)" },
            { { "01", "1\r#Y(a)=7+0", "7" }, { "", "", "" } } }),
    caseName);

// The result goes in whatever the column's type; the value check sees it only when the cell
// is edited.
TEST(CalculateGrid, IntegerColumnReceivesFraction)
{
    GridModel grid = makeGrid({ "Count", "Mass" }, { { "", "5" }, { "", "" } });
    grid.setTypesList({ std::string(IntegerType), std::string(RealType) });
    CalculateGrid(grid, { "#Count(a)=#Mass(a)/2" });
    EXPECT_EQ(grid.cell(0, 1), "2.5");
    EXPECT_FALSE(GridSetEditText(grid.typeOf(0), grid.cell(0, 1)));
}

// Glucose burnt: a changed mass changes every result that came from it, and a result typed
// over becomes an input.
TEST(CalculateGrid, ComputesItsOwnResultsAgainFromTheTypedCells)
{
    GridModel grid = makeGrid({ "Number", "Weight", "Mass" },
        { { "1", "180.16", "10" }, { "6", "31.99", "" }, { "6", "43.99", "" } });
    const std::vector<std::string> formulas
        = { "#Mass(a)=#Mass(b)*#Number(a)*#Weight(a)/#Weight(b)/#Number(b)" };
    CalculateGrid(grid, formulas);
    const std::string first = grid.cell(2, 3);
    EXPECT_TRUE(grid.isComputed(2, 3));
    EXPECT_FALSE(grid.isComputed(2, 1));
    grid.setCell(2, 1, "20");
    CalculateGrid(grid, formulas);
    EXPECT_NEAR(std::stod(grid.cell(2, 3)), 2 * std::stod(first), 1e-9);
    grid.setCell(2, 2, "0");
    EXPECT_FALSE(grid.isComputed(2, 2));
    CalculateGrid(grid, formulas);
    EXPECT_EQ(grid.cell(2, 2), "0");
    EXPECT_TRUE(grid.isComputed(2, 3)); // from the first row with data, as always
    grid.setCell(2, 1, "");
    grid.setCell(2, 2, "");
    CalculateGrid(grid, formulas);
    EXPECT_EQ(substanceRows(grid)[2][2], ""); // nothing left to compute it from
}

TEST(CalculateGrid, SecondPressOnCompleteGridChangesNothing)
{
    GridModel grid
        = makeGrid({ "Mol", "Mass", "Weight" }, { { "", "36", "18" }, { "", "64", "32" } });
    const std::vector<std::string> formulas
        = { "#Mol(a)=#Mass(a)/#Weight(a)", "#Mass(a)=#Mol(a)*#Weight(a)" };
    CalculateGrid(grid, formulas);
    const Rows once = substanceRows(grid);
    CalculateGrid(grid, formulas);
    EXPECT_EQ(substanceRows(grid), once);
    EXPECT_EQ(once, (Rows { { "2", "36", "18" }, { "2", "64", "32" } }));
}

TEST(CalculateGrid, NeverChangesHeaderTypesWidthsOrRows)
{
    GridModel grid = makeGrid({ "X", "x" }, { { "", "" }, { "", "" } });
    grid.setTypesList({ "1", "2", "5" });
    grid.setColWidth(1, 33);
    CalculateGrid(grid, { "#x(a)=1+1", "#X(b)=3+0" });
    EXPECT_EQ(grid.itemName(0), "X");
    EXPECT_EQ(grid.itemName(1), "x");
    EXPECT_EQ(grid.typesList(), (std::vector<std::string> { "1", "2", "5" }));
    EXPECT_EQ(grid.colWidth(1), 33);
    EXPECT_EQ(grid.rowCount(), 3);
    EXPECT_EQ(substanceRows(grid), (Rows { { "2", "" }, { "2", "" } })); // first match of the name
}

// The text of one pair is bounded; a pair past the bound is skipped, the others are not.
TEST(CalculateGrid, PairTextUpToTheBoundIsApplied)
{
    const std::string formula = "#X(a)=#V(a)";
    const std::string fits = "1" + std::string(MaxPairTextBytes - formula.size() + 4, ' ');
    GridModel grid = makeGrid({ "X", "V" }, { { "", fits }, { "", fits + " " } });
    CalculateGrid(grid, { formula });
    EXPECT_EQ(grid.cell(0, 1), "01");
    EXPECT_EQ(grid.cell(0, 2), "");
}

TEST(CalculateGrid, ExponentialGrowthSkipsThePair)
{
    std::vector<std::string> names;
    names.reserve(13);
    for (int k = 0; k < 12; ++k)
        names.push_back("C" + std::to_string(k));
    names.push_back("X");
    Rows rows(3, std::vector<std::string>(names.size(), "2"));
    for (int k = 0; k + 1 < 12; ++k) {
        std::string eightReferences;
        for (int i = 0; i < 8; ++i)
            eightReferences += "#C" + std::to_string(k + 1) + "(a)+";
        rows[0][k] = eightReferences + "0";
    }
    rows[0].back() = rows[1].back() = rows[2].back() = "";
    GridModel grid = makeGrid(names, rows);
    CalculateGrid(grid, { "#X(a)=#C0(a)*1" });
    EXPECT_EQ(grid.cell(12, 1), "");
    EXPECT_EQ(grid.cell(12, 2), "2");
    EXPECT_EQ(grid.cell(12, 3), "2");
}

// Pairs that cannot change a cell are skipped; on random grids built from the pieces that meet
// the rule's corners (references in cells, names in another case or twice, line breaks, names
// that begin other names, a "#" that starts no reference, lines that write the same again) the
// cells must be those of every pair built and evaluated.
TEST(CalculateGrid, EqualsEveryPairOnRandomGrids)
{
    std::mt19937 random(13);
    const auto pick = [&](const std::vector<std::string> &from) {
        return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(random)];
    };
    const auto join = [&](const std::vector<std::string> &from, int most) {
        std::string text;
        for (int n = std::uniform_int_distribution(0, most)(random); n > 0; --n)
            text += pick(from);
        return text;
    };
    const std::vector<std::string> names
        = { "X", "x", "Mol", "Mo", "", "#X", "V\n", "Mol", "Mass", "Mol(a)" };
    const std::vector<std::string> numbers = { "", "", "", "1", "2.5", "-3", " " };
    const std::vector<std::string> pieces = { "#", "X", "x", "V", "Mo", "l", "(a)", "(b)", "=", "+",
        "*", "2", "\n", "\r", " ", "#X(a)", "#x(b)", "#Mol(a)", "#Mo(b)",
        "#X(a)=", "#Mol(a)=", "Mol(a)", "#Mass(b)", "#Mass(a)", "#Q(a)", "#Ma" };
    for (int round = 0; round < 20000; ++round) {
        GridModel grid;
        grid.setColCount(std::uniform_int_distribution(1, 4)(random));
        grid.setRowCount(std::uniform_int_distribution(2, 8)(random));
        for (int k = 0; k < grid.colCount(); ++k) {
            grid.setCell(k, 0, pick(names));
            for (int r = 1; r < grid.rowCount(); ++r)
                grid.setCell(k, r, random() % 4 == 0 ? join(pieces, 3) : pick(numbers));
        }
        std::vector<std::string> formulas(std::uniform_int_distribution(1, 3)(random));
        for (std::string &formula : formulas)
            formula = pick({ "#X(a)=", "#Mol(a)=", "#x(a)=", "#mass(a)=", "#Mass(a)=", "" })
                + join(pieces, 5);
        GridModel plain = grid;
        CalculateGrid(grid, formulas);
        plain::calculateGrid(plain, formulas);
        ASSERT_EQ(substanceRows(grid), substanceRows(plain)) << "round " << round;
    }
}

// Documents as users fill them, with the usual formulas: one mass typed in (first, in the
// middle, or none), some coefficients missing, notes holding "#" or a line break, a second
// press. Every row is reached through many pairs, so each way a pair is skipped is met.
TEST(CalculateGrid, EqualsEveryPairOnDocuments)
{
    const std::vector<std::string> names = { "Formula", "Number", "Weight", "Mol", "Mass", "Volume",
        "Solution", "Molarity", "Note" };
    const std::vector<std::string> formulas = { "#Mol(a)=#Mass(a)/#Weight(a)",
        "#Mass(a)=#Mol(a)*#Weight(a)", "#Mol(a)=#Mol(b)*#Number(a)/#Number(b)",
        "#Volume(a)=#Mol(a)*22.4", "#Molarity(a)=#Mol(a)/#Solution(a)", "#note(a)=1+1" };
    std::mt19937 random(29);
    for (int round = 0; round < 60; ++round) {
        Rows rows(30, std::vector<std::string>(names.size()));
        for (std::size_t r = 0; r < rows.size(); ++r) {
            rows[r][0] = "C" + std::to_string(r + 1);
            rows[r][1] = random() % 8 == 0 ? "" : std::to_string(random() % 5 + 1);
            rows[r][2] = std::to_string(12 * (r + 1) + 1);
            rows[r][6] = random() % 2 == 0 ? "0.5" : "";
            rows[r][8] = random() % 10 == 0 ? (random() % 2 ? "#Mol(a)" : "a\nb") : "";
        }
        if (round % 3 != 0)
            rows[round % 3 == 1 ? 0 : 17][4] = "32.5";
        GridModel grid = makeGrid(names, rows), plain = grid;
        const std::vector<std::string> used(formulas.begin(), formulas.begin() + 5 + round % 2);
        for (int press = 0; press < 3; ++press) {
            CalculateGrid(grid, used);
            plain::calculateGrid(plain, used);
            ASSERT_EQ(substanceRows(grid), substanceRows(plain)) << "round " << round;
            ASSERT_EQ(computedMarks(grid), computedMarks(plain)) << "round " << round;
            // A typed mass changed, or a computed cell typed over, between presses.
            const int row = 1 + int(random() % rows.size()), col = 4 + press % 2;
            grid.setCell(col, row, std::to_string(random() % 50 + 1));
            plain.setCell(col, row, grid.cell(col, row));
        }
    }
}

} // namespace
