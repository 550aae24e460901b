#pragma once

#include "grid/GridModel.h"

#include <QAbstractTableModel>

namespace molvane {

/// Shows a GridModel to a table view: the item names as the horizontal header and the
/// substance rows (rows 1 on of the grid) as the table's rows. The GridModel stays the one
/// place the cells live; edits are written straight into it.
class GridTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    /// The type code of an index's column, as `TypesList` holds it.
    static constexpr int TypeRole = Qt::UserRole + 1;
    /// Whether Calculate Grid computed the cell (a bool).
    static constexpr int ComputedRole = Qt::UserRole + 2;

    explicit GridTableModel(QObject *parent = nullptr);

    GridModel *grid() const { return m_grid; }
    /// Shows @p grid (not owned; may be null) and forgets everything shown before.
    void setGrid(GridModel *grid);
    /// The grid was changed by code: every count, name and cell is read again.
    void reload();
    /// The status-bar text of a computed cell, which says what its shade means.
    void setComputedHint(const QString &hint) { m_computedHint = hint; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    QVariant toolTip(const QModelIndex &index) const;

    GridModel *m_grid = nullptr;
    QString m_computedHint;
};

} // namespace molvane
