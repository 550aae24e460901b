#pragma once

#include "grid/InputRules.h"

#include <QStyledItemDelegate>

#include <functional>

namespace molvane {

class CellEditor;

/// Opens a CellEditor for a cell and keeps it open while another window (a message box)
/// holds the focus, so that editing continues after the box is closed.
class CellDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    /// Told of every editor as it opens.
    using EditorOpened = std::function<void(CellEditor *)>;

    CellDelegate(CodePageHas codePageHas, EditorOpened opened, QObject *parent = nullptr);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
        const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(
        QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;

protected:
    bool eventFilter(QObject *object, QEvent *event) override;

private:
    static void muteText(QPalette &palette);

    CodePageHas m_codePageHas;
    EditorOpened m_opened;
};

} // namespace molvane
