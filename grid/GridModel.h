#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace molvane {

/// Item type codes as `TypesList` holds them; every check compares the entry as text.
inline constexpr std::string_view TextType = "0";
inline constexpr std::string_view IntegerType = "1";
inline constexpr std::string_view RealType = "2";
inline constexpr std::string_view SubstanceNumberType = "3";
inline constexpr std::string_view AtomicWeightType = "4";
inline constexpr std::string_view SubstanceFormulaType = "5";

/// Display names of the item types 0 to 5, the same in both interface languages.
inline constexpr std::array<std::string_view, 6> ItemTypeNames
    = { "Text", "Integer", "Real", "Substance Number", "Atomic Weight", "Substance Formula" };

/// The substance grid: a rectangle of text cells whose row 0 holds the item names, with the
/// column widths, row heights and the item types of its columns. Resizing keeps the cells that
/// remain by position; added columns and rows start empty.
class GridModel
{
public:
    static constexpr int DefaultColCount = 12;
    static constexpr int DefaultColWidth = 100;
    static constexpr int BuiltInRowHeight = 21;

    /// The built-in grid, in force until a template is applied: 12 unnamed columns of 100
    /// pixels, two Text, one Integer and nine Real items, the header and one empty row.
    GridModel();

    int colCount() const { return static_cast<int>(m_columns.size()); }
    int rowCount() const { return static_cast<int>(m_rowHeights.size()); }
    /// At least 1 column and 2 rows (the header and one substance row) always remain.
    void setColCount(int count);
    void setRowCount(int count);

    const std::string &cell(int col, int row) const;
    /// A cell the user gave: its text, and it counts as typed from now on.
    void setCell(int col, int row, std::string text);
    /// A cell Calculate Grid worked out: the next Calculate Grid works it out again.
    void setComputedCell(int col, int row, std::string text);
    bool isComputed(int col, int row) const;
    /// Empties every computed cell, so that only typed cells remain to compute from.
    void clearComputedCells();
    const std::string &itemName(int col) const { return cell(col, 0); }

    int colWidth(int col) const;
    void setColWidth(int col, int width);
    int rowHeight(int row) const;
    void setRowHeight(int row, int height);
    int defaultRowHeight() const { return m_defaultRowHeight; }
    /// Also resets every row to the new height, as a dragged row border does not survive it.
    void setDefaultRowHeight(int height);

    /// One type code per column; may be longer than colCount(), and the entries past the last
    /// column are kept.
    const std::vector<std::string> &typesList() const { return m_typesList; }
    void setTypesList(std::vector<std::string> types) { m_typesList = std::move(types); }
    /// The type entry of column @p col, or an empty text when the list is shorter.
    std::string_view typeOf(int col) const;

    /// The same cells and item types; sizes are the view's and do not count, and neither do
    /// the marks of computed cells, which no file holds.
    bool sameContentAs(const GridModel &other) const
    {
        return m_columns == other.m_columns && m_typesList == other.m_typesList;
    }
    /// Takes the column widths and row heights of @p other where the shapes agree.
    void takeSizesFrom(const GridModel &other);

private:
    std::vector<std::vector<std::string>> m_columns; // m_columns[col][row]
    std::vector<std::vector<char>> m_computed; // parallel to m_columns; a new cell is typed
    std::vector<int> m_colWidths;
    std::vector<int> m_rowHeights;
    int m_defaultRowHeight = BuiltInRowHeight;
    std::vector<std::string> m_typesList;
};

} // namespace molvane
