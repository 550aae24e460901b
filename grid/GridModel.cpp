#include "grid/GridModel.h"

#include <algorithm>

namespace molvane {

GridModel::GridModel()
    : m_columns(DefaultColCount, std::vector<std::string>(2))
    , m_computed(DefaultColCount, std::vector<char>(2))
    , m_colWidths(DefaultColCount, DefaultColWidth)
    , m_rowHeights(2, BuiltInRowHeight)
    , m_typesList { "0", "0", "1", "2", "2", "2", "2", "2", "2", "2", "2", "2" }
{ }

void GridModel::setColCount(int count)
{
    const std::size_t columns = static_cast<std::size_t>(std::max(count, 1));
    m_columns.resize(columns, std::vector<std::string>(m_rowHeights.size()));
    m_computed.resize(columns, std::vector<char>(m_rowHeights.size()));
    m_colWidths.resize(columns, DefaultColWidth);
}

void GridModel::setRowCount(int count)
{
    const std::size_t rows = static_cast<std::size_t>(std::max(count, 2));
    for (std::vector<std::string> &column : m_columns)
        column.resize(rows);
    for (std::vector<char> &marks : m_computed)
        marks.resize(rows);
    m_rowHeights.resize(rows, m_defaultRowHeight);
}

const std::string &GridModel::cell(int col, int row) const
{
    return m_columns.at(col).at(row);
}

void GridModel::setCell(int col, int row, std::string text)
{
    m_columns.at(col).at(row) = std::move(text);
    m_computed[std::size_t(col)][std::size_t(row)] = 0;
}

void GridModel::setComputedCell(int col, int row, std::string text)
{
    m_columns.at(col).at(row) = std::move(text);
    m_computed[std::size_t(col)][std::size_t(row)] = 1;
}

bool GridModel::isComputed(int col, int row) const
{
    return m_computed.at(col).at(row) != 0;
}

void GridModel::clearComputedCells()
{
    for (std::size_t col = 0; col < m_columns.size(); ++col) {
        for (std::size_t row = 0; row < m_columns[col].size(); ++row) {
            if (m_computed[col][row]) {
                m_columns[col][row].clear();
                m_computed[col][row] = 0;
            }
        }
    }
}

int GridModel::colWidth(int col) const
{
    return m_colWidths.at(col);
}

void GridModel::setColWidth(int col, int width)
{
    m_colWidths.at(col) = width;
}

int GridModel::rowHeight(int row) const
{
    return m_rowHeights.at(row);
}

void GridModel::setRowHeight(int row, int height)
{
    m_rowHeights.at(row) = height;
}

void GridModel::setDefaultRowHeight(int height)
{
    m_defaultRowHeight = height;
    std::fill(m_rowHeights.begin(), m_rowHeights.end(), height);
}

std::string_view GridModel::typeOf(int col) const
{
    if (col < 0 || static_cast<std::size_t>(col) >= m_typesList.size())
        return {};
    return m_typesList[col];
}

void GridModel::takeSizesFrom(const GridModel &other)
{
    if (other.colCount() == colCount())
        m_colWidths = other.m_colWidths;
    if (other.m_defaultRowHeight != m_defaultRowHeight)
        return; // a new default height reset every row
    for (int row = 0; row < std::min(rowCount(), other.rowCount()); ++row)
        m_rowHeights[std::size_t(row)] = other.m_rowHeights[std::size_t(row)];
}

} // namespace molvane
