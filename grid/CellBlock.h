#pragma once

#include "grid/GridModel.h"
#include "grid/InputRules.h"

#include <string>
#include <vector>

namespace molvane {

/// Cells as spreadsheets put them on the clipboard: rows of cells, each row a line, its cells
/// joined by tabs.
using CellBlock = std::vector<std::vector<std::u32string>>;

/// Fits @p block for pasting with its first cell at column @p col, grid row @p row (a
/// substance row): every text after best fit, in place. The whole block is refused, with
/// the first reason found, when it reaches past the grid, when a text cannot be kept in a
/// document, or when a number column would get a text that is not a number.
Refusal FitCellBlock(
    const GridModel &grid, int col, int row, CellBlock &block, const CodePageHas &codePageHas);

} // namespace molvane
