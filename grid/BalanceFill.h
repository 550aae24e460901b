#pragma once

#include "core/Balance.h"
#include "grid/GridModel.h"

namespace molvane {

/// Writes a balanced reaction into the grid: one substance row per formula, then every
/// Substance Formula column, every Substance Number column and every Atomic Weight column,
/// in that order. A formula without a weight ends the filling at that cell, keeping what was
/// written; cells of other columns keep their texts row by row.
void FillGridFromBalance(GridModel &grid, const BalancedReaction &balanced);

} // namespace molvane
