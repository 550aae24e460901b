#pragma once

#include "grid/GridModel.h"

#include <string>
#include <string_view>
#include <vector>

namespace molvane {

/// What is left of a reactant in excess: @p amount in column @p col of row @p row, the column
/// the user typed its amount in.
struct LeftOver
{
    int row = 0;
    int col = 0;
    std::string amount;
};

/// What Calculate Grid found about the reactants the user gave amounts of.
struct ReactantOutcome
{
    enum class Kind {
        OneGiven, ///< at most one reactant row holds a typed amount: nothing to decide
        Limiting, ///< the products come from limitingRow; the others are left over
        Undecided, ///< no common product, or formulas that are not proportional
    };
    Kind kind = Kind::OneGiven;
    int limitingRow = 0;
    std::vector<LeftOver> leftOvers;
};

/// How many of the grid's first substance rows are reactants, as Balance writes the rows of
/// @p reaction: those before the arrow; none when the text has no arrow or nothing after it.
int ReactantRows(std::string_view reaction);

/// Calculate Grid where rows 1 to @p reactantRows hold the reactants. When two or more of them
/// hold typed amounts (typed cells of Integer or Real columns), each is run through the
/// document's own formulas alone, and the one that gives the least of a product is the
/// limiting one: the products, and what the other reactants use up, come from it, while each
/// reactant in excess keeps its typed amounts and what its own row computes from them. When
/// that cannot be decided, the grid is calculated as CalculateGrid does.
ReactantOutcome CalculateGridLimited(
    GridModel &grid, const std::vector<std::string> &formulas, int reactantRows);

} // namespace molvane
