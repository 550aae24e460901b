#include "widgets/GridTableModel.h"

#include "document/QtText.h"
#include "widgets/CompositionTip.h"

namespace molvane {

GridTableModel::GridTableModel(QObject *parent)
    : QAbstractTableModel(parent)
{ }

void GridTableModel::setGrid(GridModel *grid)
{
    beginResetModel();
    m_grid = grid;
    endResetModel();
}

void GridTableModel::reload()
{
    beginResetModel();
    endResetModel();
}

int GridTableModel::rowCount(const QModelIndex &parent) const
{
    // Row 0 of the grid is the header, not a table row.
    return m_grid && !parent.isValid() ? m_grid->rowCount() - 1 : 0;
}

int GridTableModel::columnCount(const QModelIndex &parent) const
{
    return m_grid && !parent.isValid() ? m_grid->colCount() : 0;
}

QVariant GridTableModel::data(const QModelIndex &index, int role) const
{
    if (!m_grid || !index.isValid())
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return QString::fromStdString(m_grid->cell(index.column(), index.row() + 1));
    if (role == TypeRole) {
        const std::string_view type = m_grid->typeOf(index.column());
        return ToQString(type);
    }
    const bool computed = m_grid->isComputed(index.column(), index.row() + 1);
    if (role == ComputedRole)
        return computed;
    if (role == Qt::StatusTipRole && computed)
        return m_computedHint;
    if (role == Qt::ToolTipRole)
        return toolTip(index);
    return {};
}

// A weight cell tells what the row's formula is made of.
QVariant GridTableModel::toolTip(const QModelIndex &index) const
{
    if (m_grid->typeOf(index.column()) != AtomicWeightType)
        return {};
    for (int col = 0; col < m_grid->colCount(); ++col) {
        const std::string &formula = m_grid->cell(col, index.row() + 1);
        if (m_grid->typeOf(col) == SubstanceFormulaType && !formula.empty()) {
            const QString tip = CompositionTip(formula, CurrentUiLanguage());
            return tip.isEmpty() ? QVariant() : QVariant(tip);
        }
    }
    return {};
}

bool GridTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!m_grid || !index.isValid() || role != Qt::EditRole)
        return false;
    std::string text = value.toString().toStdString();
    if (m_grid->cell(index.column(), index.row() + 1) == text)
        return true;
    m_grid->setCell(index.column(), index.row() + 1, std::move(text));
    emit dataChanged(index, index, { Qt::DisplayRole, Qt::EditRole });
    return true;
}

QVariant GridTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (!m_grid || role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal && section >= 0 && section < m_grid->colCount())
        return QString::fromStdString(m_grid->itemName(section));
    // The row header is only a handle for dragging row borders: it shows nothing.
    return QString();
}

Qt::ItemFlags GridTableModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

} // namespace molvane
