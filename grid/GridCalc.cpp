#include "grid/GridCalc.h"

#include "core/AsciiCase.h"
#include "grid/FormulaEvaluator.h"
#include "grid/PairSkipping.h"

#include <algorithm>
#include <string_view>

namespace molvane {

namespace {

// Replaces every occurrence of @p pattern in @p text by @p with, searching on behind each
// inserted text. False, leaving @p text unusable, when the result would pass the pair bound.
bool replaceAll(
    std::string &text, std::string &scratch, std::string_view pattern, std::string_view with)
{
    std::size_t at = text.find(pattern);
    if (at == std::string::npos)
        return true;
    scratch.clear();
    std::size_t from = 0;
    for (; at != std::string::npos; at = text.find(pattern, from)) {
        const std::size_t rest = text.size() - at - pattern.size();
        if (scratch.size() + (at - from) + with.size() + rest > MaxPairTextBytes)
            return false;
        scratch.append(text, from, at - from);
        scratch.append(with);
        from = at + pattern.size();
    }
    scratch.append(text, from);
    text.swap(scratch);
    return true;
}

// Builds the text of the pair (a, b) into @p text: the cell texts of a, then of b, in place
// of their references, column by column. False when the text passes the bound.
bool preparePair(const GridModel &grid, const std::vector<ColumnReferences> &references,
    const std::string &formulas, int a, int b, std::string &text, std::string &scratch)
{
    text = formulas;
    if (text.size() > MaxPairTextBytes)
        return false;
    for (int k = 0; k < grid.colCount(); ++k) {
        const std::string &cellOfA = grid.cell(k, a), &cellOfB = grid.cell(k, b);
        if (!cellOfA.empty() && !replaceAll(text, scratch, references[k].toA, cellOfA))
            return false;
        if (!cellOfB.empty() && !replaceAll(text, scratch, references[k].toB, cellOfB))
            return false;
    }
    return true;
}

int findColumn(const GridModel &grid, std::string_view name)
{
    for (int k = 0; k < grid.colCount(); ++k)
        if (EqualIgnoringCase(grid.itemName(k), name))
            return k;
    return -1;
}

// A line is applied when its target reference is still in place (the target cell of a was
// empty) and no reference is left in the rest of it.
void applyLine(GridModel &grid, int a, std::string_view line)
{
    if (line.empty() || line[0] != '#')
        return;
    const std::string_view rest = line.substr(1);
    if (rest.find('#') != std::string_view::npos || rest.find("(b)") != std::string_view::npos)
        return;
    const std::size_t equals = line.find('=');
    // A target that does not end in "(a)" would name a column by a mangled name: skipped.
    if (equals == std::string_view::npos || equals < 4 || line.substr(equals - 3, 3) != "(a)")
        return;
    const int target = findColumn(grid, line.substr(1, equals - 4));
    if (target < 0)
        return;
    if (std::optional<std::string> result = EvaluateFormula(line.substr(equals + 1)))
        grid.setComputedCell(target, a, std::move(*result));
}

// The prepared text splits into lines at every CR and every LF, also those from cell texts.
void applyLines(GridModel &grid, int a, std::string_view text)
{
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find_first_of("\r\n", start);
        applyLine(grid, a, text.substr(start, end - start));
        if (end == std::string_view::npos)
            return;
        start = end + 1;
    }
}

} // namespace

void CalculateGrid(GridModel &grid, const std::vector<std::string> &FormulsList)
{
    grid.clearComputedCells(); // a result never outlives the typed cell it came from
    std::string formulas;
    for (std::size_t i = 0; i < FormulsList.size(); ++i)
        formulas += (i == 0 ? "" : "\n") + FormulsList[i];

    std::vector<ColumnReferences> references;
    references.reserve(std::size_t(std::max(grid.colCount(), 0)));
    for (int k = 0; k < grid.colCount(); ++k)
        references.push_back({ "#" + grid.itemName(k) + "(a)", "#" + grid.itemName(k) + "(b)" });

    PairSkipping skipping(grid, references, formulas);
    std::string text, scratch;
    for (int a = 1; a < grid.rowCount(); ++a) {
        for (int b = skipping.nextPair(grid, a, 1); b < grid.rowCount();
             b = skipping.nextPair(grid, a, b + 1)) {
            if (preparePair(grid, references, formulas, a, b, text, scratch)) {
                applyLines(grid, a, text);
                skipping.applied(grid, a, b);
            }
        }
    }
}

} // namespace molvane
