#pragma once

#include "grid/GridModel.h"

#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace molvane {

/// The references of one column: "#" name "(a)" and "#" name "(b)".
struct ColumnReferences
{
    std::string toA, toB;
};

/// Tells Calculate Grid which pairs (a, b) can change a cell, so that the others are neither
/// built nor read. While no cell of rows a and b holds "#" or a line break, a formula line can
/// apply only when the reference it starts with is left in place (its cell of a is empty) and
/// every other reference it holds is replaced (its cell is filled). Pairs with a row holding
/// "#" or a line break, and formula texts or item names this cannot be told for, take every
/// pair as before.
class PairSkipping
{
public:
    PairSkipping(const GridModel &grid, const std::vector<ColumnReferences> &references,
        std::string_view formulas);

    /// The first row b from @p from on, other than @p a, whose pair with @p a may change a
    /// cell; the row count when there is none.
    int nextPair(const GridModel &grid, int a, int from);
    /// The pair (@p a, @p b) was applied.
    void applied(const GridModel &grid, int a, int b);

private:
    // The references of the item names that share one reference text.
    struct Reference
    {
        std::vector<int> columns;
        bool toA = true;
    };
    // A formula line that may apply: the reference it starts with (or none, when it starts with
    // a "#" no replacement can take away), and its other references.
    struct Line
    {
        int target = -1;
        std::vector<int> referencesOfA, referencesOfB;
        bool alwaysOpen = false;
        std::set<int> readyRows; // the rows whose cells fill every reference of b
    };

    bool readNames(const std::vector<ColumnReferences> &references);
    void addLine(std::string_view line);
    int referenceAt(std::string_view line, std::size_t at) const;
    bool hashStays(std::string_view line, std::size_t at) const;
    bool filled(const GridModel &grid, int reference, int row) const;
    bool filledAll(const GridModel &grid, const std::vector<int> &references, int row) const;
    bool opensFor(const GridModel &grid, const Line &line, int a) const;
    void readRow(const GridModel &grid, int row);

    std::vector<std::string> m_texts; // one per reference, its text
    std::vector<Reference> m_references;
    std::vector<Line> m_lines;
    bool m_readable = true;
    std::vector<bool> m_plainRows;
    std::set<int> m_otherRows; // rows with a "#" or a line break
    // Row a as it stood when its last pair was applied, and whether that pair changed nothing
    // while only the lines without references of b could apply.
    int m_rowOfA = -1;
    std::vector<std::string> m_cellsOfA;
    bool m_idleWithoutB = false;
};

} // namespace molvane
