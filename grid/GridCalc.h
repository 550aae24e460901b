#pragma once

#include "grid/GridModel.h"

#include <cstddef>
#include <string>
#include <vector>

namespace molvane {

/// The text prepared for one substance pair may grow this far and no further: cell texts that
/// hold references themselves can make it grow exponentially. A longer one skips the pair.
inline constexpr std::size_t MaxPairTextBytes = std::size_t { 1 } << 20;

/// Calculate Grid, one press: the cells the last press computed are emptied, then for every
/// ordered pair (a, b) of different substance rows, a first, the formula lines get the cell
/// texts of a and b in place of their references, and each line whose references all resolved
/// and whose target cell of a was empty is evaluated into that cell, which is marked computed.
/// Results are written as the evaluator returns them, whatever the column's type, and are seen
/// by later pairs only.
void CalculateGrid(GridModel &grid, const std::vector<std::string> &FormulsList);

} // namespace molvane
