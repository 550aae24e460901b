#pragma once
// Calculate Grid as its rule reads, computed cells emptied, every pair built and evaluated:
// lines joined, references replaced in place, lines split again. The reference that the
// calculation must equal, for the tests and the fuzz target.

#include "grid/FormulaEvaluator.h"
#include "grid/GridCalc.h"

#include <cctype>
#include <string>
#include <vector>

namespace molvane::plain {

inline bool sameIgnoringCase(const std::string &x, const std::string &y)
{
    if (x.size() != y.size())
        return false;
    for (std::size_t i = 0; i < x.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(x[i]))
            != std::tolower(static_cast<unsigned char>(y[i])))
            return false;
    return true;
}

inline void applyLine(GridModel &grid, int a, const std::string &line)
{
    if (line.empty() || line[0] != '#' || line.find('#', 1) != std::string::npos
        || line.find("(b)", 1) != std::string::npos)
        return;
    const std::size_t p = line.find('=');
    if (p == std::string::npos || p < 4 || line.compare(p - 3, 3, "(a)") != 0)
        return;
    for (int k = 0; k < grid.colCount(); ++k) {
        if (sameIgnoringCase(grid.itemName(k), line.substr(1, p - 4))) {
            if (const std::optional<std::string> result = EvaluateFormula(line.substr(p + 1)))
                grid.setComputedCell(k, a, *result);
            return;
        }
    }
}

// False when the text passes the bound of one pair.
inline bool replaceAll(std::string &text, const std::string &pattern, const std::string &with)
{
    for (std::size_t at = 0; (at = text.find(pattern, at)) != std::string::npos;
         at += with.size()) {
        text.replace(at, pattern.size(), with);
        if (text.size() > MaxPairTextBytes)
            return false;
    }
    return true;
}

inline void calculateGrid(GridModel &grid, const std::vector<std::string> &formulas)
{
    for (int k = 0; k < grid.colCount(); ++k)
        for (int r = 0; r < grid.rowCount(); ++r)
            if (grid.isComputed(k, r))
                grid.setCell(k, r, {});
    for (int a = 1; a < grid.rowCount(); ++a) {
        for (int b = 1; b < grid.rowCount(); ++b) {
            if (a == b)
                continue;
            std::string text;
            for (std::size_t i = 0; i < formulas.size(); ++i)
                text += (i ? "\n" : "") + formulas[i];
            bool bounded = text.size() <= MaxPairTextBytes;
            for (int k = 0; bounded && k < grid.colCount(); ++k) {
                const std::string name = grid.itemName(k);
                if (!grid.cell(k, a).empty())
                    bounded = replaceAll(text, "#" + name + "(a)", grid.cell(k, a));
                if (bounded && !grid.cell(k, b).empty())
                    bounded = replaceAll(text, "#" + name + "(b)", grid.cell(k, b));
            }
            if (!bounded)
                continue;
            std::size_t start = 0;
            for (std::size_t end; (end = text.find_first_of("\r\n", start)) != std::string::npos;
                 start = end + 1)
                applyLine(grid, a, text.substr(start, end - start));
            applyLine(grid, a, text.substr(start));
        }
    }
}

} // namespace molvane::plain
