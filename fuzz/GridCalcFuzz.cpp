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
    for (int k = 0; k < grid.colCount(); ++k) {
        if (sameIgnoringCase(grid.itemName(k), line.substr(1, p - 4))) {
            if (const std::optional<std::string> result
                = molvane::EvaluateFormula(line.substr(p + 1)))
                grid.setCell(k, a, *result);
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
    for (int a = 1; a < grid.rowCount(); ++a) {
        for (int b = 1; b < grid.rowCount(); ++b) {
            if (a == b)
                continue;
            std::string text;
            for (std::size_t i = 0; i < formulas.size(); ++i)
                text += (i ? "\n" : "") + formulas[i];
            bool bounded = text.size() <= molvane::MaxPairTextBytes;
            for (int k = 0; bounded && k < grid.colCount(); ++k) {
                const std::string name = grid.itemName(k);
                if (!grid.cell(k, a).empty())
                    bounded = plainReplace(text, "#" + name + "(a)", grid.cell(k, a));
                if (bounded && !grid.cell(k, b).empty())
                    bounded = plainReplace(text, "#" + name + "(b)", grid.cell(k, b));
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
    grid.setColCount(input.ConsumeIntegralInRange(1, 4));
    grid.setRowCount(input.ConsumeIntegralInRange(2, 5));
    for (int k = 0; k < grid.colCount(); ++k)
        grid.setCell(k, 0, input.ConsumeRandomLengthString(6));
    for (int r = 1; r < grid.rowCount(); ++r)
        for (int k = 0; k < grid.colCount(); ++k)
            grid.setCell(k, r, input.ConsumeRandomLengthString(24));
    std::vector<std::string> formulas;
    while (formulas.size() < 6 && input.remaining_bytes() > 0)
        formulas.push_back(input.ConsumeRandomLengthString(64));

    GridModel calculated = grid, plain = grid;
    molvane::CalculateGrid(calculated, formulas);
    plainCalculate(plain, formulas);
    if (calculated.colCount() != grid.colCount() || calculated.rowCount() != grid.rowCount())
        std::abort();
    for (int k = 0; k < grid.colCount(); ++k) {
        if (calculated.itemName(k) != grid.itemName(k))
            std::abort();
        for (int r = 1; r < grid.rowCount(); ++r)
            if (calculated.cell(k, r) != plain.cell(k, r))
                std::abort();
    }
    return 0;
}
