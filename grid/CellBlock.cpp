#include "grid/CellBlock.h"

#include "grid/CellCheck.h"

#include <algorithm>
#include <numeric>

namespace molvane {

namespace {

// Numbers are plain ASCII; any other character makes a text that is none.
std::string asNumberText(std::u32string_view text)
{
    std::string out;
    for (const char32_t c : text)
        out += c < 0x80 ? char(c) : '?';
    return out;
}

} // namespace

Refusal FitCellBlock(
    const GridModel &grid, int col, int row, CellBlock &block, const CodePageHas &codePageHas)
{
    const std::size_t width = std::accumulate(block.begin(), block.end(), std::size_t(0),
        [](std::size_t most, const auto &cells) { return std::max(most, cells.size()); });
    if (row < 1 || col < 0 || row + int(block.size()) > grid.rowCount()
        || col + int(width) > grid.colCount())
        return Refusal::OutsideGrid;
    for (std::size_t r = 0; r < block.size(); ++r) {
        for (std::size_t c = 0; c < block[r].size(); ++c) {
            FittedText fitted = FitInput(TextField::Cell, block[r][c], codePageHas);
            if (fitted.refusal != Refusal::None)
                return fitted.refusal;
            if (!GridSetEditText(grid.typeOf(col + int(c)), asNumberText(fitted.text)))
                return Refusal::NotANumber;
            block[r][c] = std::move(fitted.text);
        }
    }
    return Refusal::None;
}

} // namespace molvane
