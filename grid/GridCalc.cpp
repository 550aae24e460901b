#include "grid/GridCalc.h"

#include "core/AsciiCase.h"
#include "grid/FormulaEvaluator.h"

#include <algorithm>
#include <string_view>

namespace molvane {

namespace {

// The references of one column: "#" name "(a)" and "#" name "(b)".
struct ColumnReferences
{
    std::string toA, toB;
};

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
        grid.setCell(target, a, std::move(*result));
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

// Tells the pairs that cannot change a cell, so that their text is neither built nor read.
// While no cell of rows a and b holds "#" or a line break, every "#" of the pair text is one of
// the formula text's, and a line of it can start with "#" only where a formula line does. Such
// a line loses that "#" for good when a non-empty cell of a (or b) has a reference that the
// line's start up to its second "#" begins with: nothing can change that start before. A pair
// none of whose lines can then start with "#" changes nothing.
class PairSkipping
{
public:
    PairSkipping(const GridModel &grid, const std::vector<ColumnReferences> &references,
        std::string_view formulas)
    {
        for (std::size_t start = 0;;) {
            const std::size_t end = formulas.find_first_of("\r\n", start);
            addLine(grid, references, formulas.substr(start, end - start));
            if (end == std::string_view::npos)
                break;
            start = end + 1;
        }
        for (int row = 0; row < grid.rowCount(); ++row)
            m_plainRows.push_back(isPlain(grid, row));
    }

    bool canChange(const GridModel &grid, int a, int b)
    {
        if (!m_plainRows[std::size_t(a)] || !m_plainRows[std::size_t(b)])
            return true;
        if (m_rowOfA != a) {
            m_rowOfA = a;
            m_aClosesEveryLine = std::all_of(m_lines.begin(), m_lines.end(),
                [&](const HashLine &line) { return hasCell(grid, line.referencesOfA, a); });
        }
        return !m_aClosesEveryLine
            && std::any_of(m_lines.begin(), m_lines.end(), [&](const HashLine &line) {
                   return !hasCell(grid, line.referencesOfA, a)
                       && !hasCell(grid, line.referencesOfB, b);
               });
    }

    // Row @p row has new cells.
    void update(const GridModel &grid, int row)
    {
        m_plainRows[std::size_t(row)] = isPlain(grid, row);
        if (m_rowOfA == row)
            m_rowOfA = -1;
    }

private:
    // A formula line that starts with "#": the columns whose reference its start begins with.
    struct HashLine
    {
        std::vector<int> referencesOfA, referencesOfB;
    };

    void addLine(const GridModel &grid, const std::vector<ColumnReferences> &references,
        std::string_view line)
    {
        if (line.empty() || line[0] != '#')
            return;
        const std::string_view head = line.substr(0, line.find('#', 1));
        HashLine &hashLine = m_lines.emplace_back();
        for (int k = 0; k < grid.colCount(); ++k) {
            if (head.starts_with(references[std::size_t(k)].toA))
                hashLine.referencesOfA.push_back(k);
            if (head.starts_with(references[std::size_t(k)].toB))
                hashLine.referencesOfB.push_back(k);
        }
    }

    static bool isPlain(const GridModel &grid, int row)
    {
        for (int k = 0; k < grid.colCount(); ++k)
            if (grid.cell(k, row).find_first_of("#\r\n") != std::string::npos)
                return false;
        return true;
    }

    static bool hasCell(const GridModel &grid, const std::vector<int> &columns, int row)
    {
        return std::any_of(
            columns.begin(), columns.end(), [&](int k) { return !grid.cell(k, row).empty(); });
    }

    std::vector<HashLine> m_lines;
    std::vector<bool> m_plainRows;
    // Whether row a's cells alone close every line, for the row a it was worked out for.
    int m_rowOfA = -1;
    bool m_aClosesEveryLine = false;
};

} // namespace

void CalculateGrid(GridModel &grid, const std::vector<std::string> &FormulsList)
{
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
        for (int b = 1; b < grid.rowCount(); ++b) {
            if (b == a || !skipping.canChange(grid, a, b))
                continue;
            if (preparePair(grid, references, formulas, a, b, text, scratch)) {
                applyLines(grid, a, text);
                skipping.update(grid, a);
            }
        }
    }
}

} // namespace molvane
