#include "grid/LimitingReactant.h"

#include "core/NumberFormat.h"
#include "core/ReactionAnalysis.h"
#include "grid/GridCalc.h"
#include "grid/NumberText.h"

#include <cmath>
#include <optional>

namespace molvane {

namespace {

bool isAmountColumn(const GridModel &grid, int col)
{
    return grid.typeOf(col) == IntegerType || grid.typeOf(col) == RealType;
}

// The amount columns in which row @p row holds a typed text.
std::vector<int> typedAmounts(const GridModel &grid, int row)
{
    std::vector<int> cols;
    for (int k = 0; k < grid.colCount(); ++k)
        if (isAmountColumn(grid, k) && !grid.cell(k, row).empty() && !grid.isComputed(k, row))
            cols.push_back(k);
    return cols;
}

std::optional<double> numberIn(const GridModel &grid, int col, int row)
{
    const std::optional<long double> value = ReadDecimal(grid.cell(col, row));
    if (!value || !std::isfinite(double(*value)))
        return std::nullopt;
    return double(*value);
}

// The grid calculated from the amounts of reactant @p given alone among @p givenRows, those
// amounts times @p scale; nothing when one of them is no number to scale.
std::optional<GridModel> trial(const GridModel &grid, const std::vector<std::string> &formulas,
    const std::vector<int> &givenRows, int given, double scale)
{
    GridModel run = grid;
    run.clearComputedCells();
    for (const int row : givenRows)
        if (row != given)
            for (const int col : typedAmounts(grid, row))
                run.setCell(col, row, {});
    if (scale != 1) {
        for (const int col : typedAmounts(grid, given)) {
            const std::optional<double> amount = numberIn(grid, col, given);
            if (!amount)
                return std::nullopt;
            run.setCell(col, given, FormatGeneral(*amount * scale));
        }
    }
    CalculateGrid(run, formulas);
    return run;
}

// The first product cell that every trial computed as a number: where they are compared.
std::optional<std::pair<int, int>> commonProduct(
    const std::vector<GridModel> &trials, int reactantRows)
{
    const GridModel &first = trials.front();
    for (int row = reactantRows + 1; row < first.rowCount(); ++row) {
        for (int col = 0; col < first.colCount(); ++col) {
            bool everyTrial = isAmountColumn(first, col);
            for (const GridModel &run : trials)
                everyTrial = everyTrial && run.isComputed(col, row) && numberIn(run, col, row);
            if (everyTrial)
                return std::pair { col, row };
        }
    }
    return std::nullopt;
}

bool nearlyEqual(double a, double b)
{
    return std::abs(a - b) <= 1e-9 * std::max(std::abs(a), std::abs(b));
}

void copyRow(GridModel &to, const GridModel &from, int row)
{
    for (int col = 0; col < from.colCount(); ++col) {
        if (from.isComputed(col, row))
            to.setComputedCell(col, row, from.cell(col, row));
        else
            to.setCell(col, row, from.cell(col, row));
    }
}

// Each reactant in excess keeps its own row; what is left of it is its typed amount less what
// the limiting one uses up, in the first column it was typed in.
ReactantOutcome limitedBy(GridModel &grid, const std::vector<GridModel> &trials,
    const std::vector<int> &givenRows, std::size_t limiting)
{
    ReactantOutcome outcome { ReactantOutcome::Kind::Limiting, givenRows[limiting], {} };
    const GridModel &used = trials[limiting];
    GridModel result = used;
    for (std::size_t i = 0; i < givenRows.size(); ++i) {
        const int row = givenRows[i];
        if (i == limiting)
            continue;
        copyRow(result, trials[i], row);
        const int col = typedAmounts(grid, row).front();
        const std::optional<double> typed = numberIn(grid, col, row);
        const std::optional<double> usedUp
            = used.isComputed(col, row) ? numberIn(used, col, row) : std::nullopt;
        if (!typed || !usedUp)
            continue;
        const double left = nearlyEqual(*typed, *usedUp) ? 0 : *typed - *usedUp;
        outcome.leftOvers.push_back({ row, col, FormatGeneral(left, 6) });
    }
    grid = std::move(result);
    return outcome;
}

} // namespace

int ReactantRows(std::string_view reaction)
{
    const ReactionSides sides = SplitReaction(reaction);
    return sides.products.empty() ? 0 : int(sides.reactants.size());
}

ReactantOutcome CalculateGridLimited(
    GridModel &grid, const std::vector<std::string> &formulas, int reactantRows)
{
    std::vector<int> givenRows;
    for (int row = 1; row <= reactantRows && row < grid.rowCount(); ++row)
        if (!typedAmounts(grid, row).empty())
            givenRows.push_back(row);
    if (givenRows.size() < 2) {
        CalculateGrid(grid, formulas);
        return {};
    }
    std::vector<GridModel> trials;
    trials.reserve(givenRows.size());
    for (const int row : givenRows)
        trials.push_back(*trial(grid, formulas, givenRows, row, 1));
    const std::optional<std::pair<int, int>> product = commonProduct(trials, reactantRows);
    // Twice the amount must give twice the product, or the least product tells nothing.
    std::size_t least = 0;
    std::vector<double> gives;
    for (std::size_t i = 0; product && i < trials.size(); ++i) {
        const auto [col, row] = *product;
        const double once = *numberIn(trials[i], col, row);
        const std::optional<GridModel> doubled = trial(grid, formulas, givenRows, givenRows[i], 2);
        const std::optional<double> twice = doubled && doubled->isComputed(col, row)
            ? numberIn(*doubled, col, row)
            : std::nullopt;
        if (!twice || once <= 0 || !nearlyEqual(*twice, 2 * once)) {
            gives.clear();
            break;
        }
        gives.push_back(once);
        if (once < gives[least] && !nearlyEqual(once, gives[least]))
            least = i;
    }
    if (gives.size() != trials.size()) {
        CalculateGrid(grid, formulas);
        return { ReactantOutcome::Kind::Undecided, 0, {} };
    }
    return limitedBy(grid, trials, givenRows, least);
}

} // namespace molvane
