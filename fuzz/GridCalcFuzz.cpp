// A small grid with random names and cells and random formula lines, through Calculate Grid.
// The outcome must equal a plain reading of the command (lines joined, references replaced in
// place, lines split again), and the header row and the grid's shape never change.
#include "grid/FormulaEvaluator.h"
#include "grid/GridCalc.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using molvane::GridModel;

bool sameIgnoringCase(const std::string &x, const std::string &y)
{
    if (x.size() != y.size())
        return false;
    for (std::size_t i = 0; i < x.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(x[i]))
            != std::tolower(static_cast<unsigned char>(y[i])))
            return false;
    return true;
}

void plainLine(GridModel &grid, int a, const std::string &line)
{
    if (line.empty() || line[0] != '#' || line.find('#', 1) != std::string::npos
        || line.find("(b)", 1) != std::string::npos)
        return;
    const std::size_t p = line.find('=');
    if (p == std::string::npos || p < 4 || line.compare(p - 3, 3, "(a)") != 0)
        return;
    for (int k = 0; k < grid.ColCount(); ++k) {
        if (sameIgnoringCase(grid.ItemName(k), line.substr(1, p - 4))) {
            if (const std::optional<std::string> result
                = molvane::EvaluateFormula(line.substr(p + 1)))
                grid.SetCell(k, a, *result);
            return;
        }
    }
}

// False when the text passes the bound of one pair.
bool plainReplace(std::string &text, const std::string &pattern, const std::string &with)
{
    for (std::size_t at = 0; (at = text.find(pattern, at)) != std::string::npos;
         at += with.size()) {
        text.replace(at, pattern.size(), with);
        if (text.size() > molvane::MaxPairTextBytes)
            return false;
    }
    return true;
}

void plainCalculate(GridModel &grid, const std::vector<std::string> &formulas)
{
    for (int a = 1; a < grid.RowCount(); ++a) {
        for (int b = 1; b < grid.RowCount(); ++b) {
            if (a == b)
                continue;
            std::string text;
            for (std::size_t i = 0; i < formulas.size(); ++i)
                text += (i ? "\n" : "") + formulas[i];
            bool bounded = text.size() <= molvane::MaxPairTextBytes;
            for (int k = 0; bounded && k < grid.ColCount(); ++k) {
                const std::string name = grid.ItemName(k);
                if (!grid.Cell(k, a).empty())
                    bounded = plainReplace(text, "#" + name + "(a)", grid.Cell(k, a));
                if (bounded && !grid.Cell(k, b).empty())
                    bounded = plainReplace(text, "#" + name + "(b)", grid.Cell(k, b));
            }
            if (!bounded)
                continue;
            std::size_t start = 0;
            for (std::size_t end; (end = text.find_first_of("\r\n", start)) != std::string::npos;
                 start = end + 1)
                plainLine(grid, a, text.substr(start, end - start));
            plainLine(grid, a, text.substr(start));
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    GridModel grid;
    grid.SetColCount(input.ConsumeIntegralInRange(1, 4));
    grid.SetRowCount(input.ConsumeIntegralInRange(2, 5));
    for (int k = 0; k < grid.ColCount(); ++k)
        grid.SetCell(k, 0, input.ConsumeRandomLengthString(6));
    for (int r = 1; r < grid.RowCount(); ++r)
        for (int k = 0; k < grid.ColCount(); ++k)
            grid.SetCell(k, r, input.ConsumeRandomLengthString(24));
    std::vector<std::string> formulas;
    while (formulas.size() < 6 && input.remaining_bytes() > 0)
        formulas.push_back(input.ConsumeRandomLengthString(64));

    GridModel calculated = grid, plain = grid;
    molvane::CalculateGrid(calculated, formulas);
    plainCalculate(plain, formulas);
    if (calculated.ColCount() != grid.ColCount() || calculated.RowCount() != grid.RowCount())
        std::abort();
    for (int k = 0; k < grid.ColCount(); ++k) {
        if (calculated.ItemName(k) != grid.ItemName(k))
            std::abort();
        for (int r = 1; r < grid.RowCount(); ++r)
            if (calculated.Cell(k, r) != plain.Cell(k, r))
                std::abort();
    }
    return 0;
}
