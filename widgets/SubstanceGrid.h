#pragma once

#include "grid/GridModel.h"
#include "grid/InputRules.h"

#include <QPointer>
#include <QTableView>

namespace molvane {

class CellDelegate;
class CellEditor;
class GridTableModel;

/// `Grid`: the substance grid on screen. It shows a GridModel that its owner keeps: the item
/// names as the fixed header row, the substance rows editable in place, column widths and row
/// heights from the model. Every change of an edited cell is written into the model at once;
/// dragged widths and heights too (dragging does not modify the document).
class SubstanceGrid : public QTableView
{
    Q_OBJECT

public:
    /// @p codePageHas answers whether documents can hold a character; cells refuse the rest.
    explicit SubstanceGrid(CodePageHas codePageHas, QWidget *parent = nullptr);
    ~SubstanceGrid() override;

    /// Shows @p grid (not owned; it must outlive the widget or be replaced first).
    void setGridModel(GridModel *grid);
    GridModel *gridModel() const;
    /// The model was changed by code (Balance, Calculate Grid, loading, Options): shows it
    /// again. An open editor is closed without writing or checking its text.
    void refresh();
    /// The status-bar text over a computed cell, in the language shown.
    void setComputedHint(const QString &hint);

    /// The font and colour of every cell, the header included.
    void setGridFont(const QFont &font, const QColor &color);

    /// Ends the editing of the open cell as leaving it does (written, modified, checked).
    void commitEdit();
    /// Empties the selected cells (Delete or Backspace while no cell is edited); the header
    /// row keeps its names. False when nothing changed.
    bool clearSelectedCells();
    /// Puts the selected cells (the rectangle around them) on the clipboard as tab-separated
    /// lines, as spreadsheets read them; an open cell copies its own selection.
    void copyCells();
    /// Pastes such lines from the current cell on, whole or not at all (inputRefused says
    /// why); an open cell pastes its text where its caret is.
    void pasteCells();
    /// Copies, then empties the selected cells.
    void cutCells();
    /// Whether a cell's editor is open.
    bool isEditing() const { return state() == EditingState; }

    /// While on, a click on the grid moves the selection and asks for help, nothing else.
    void setHelpMode(bool on);
    bool helpMode() const { return m_helpMode; }

signals:
    /// A cell's text was changed by editing, or a cell's editing ended.
    void modified();
    /// The edited text is not a number of its column's type; it stays as typed.
    void invalidNumber();
    /// Typed or pasted text was refused because saving would lose or corrupt @p character.
    void inputRefused(molvane::Refusal reason, const QString &character);
    /// Clicked while help mode is on.
    void helpRequested();

protected:
    bool edit(const QModelIndex &index, EditTrigger trigger, QEvent *event) override;
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    /// A typed key goes to the current cell, never to a search for another row.
    void keyboardSearch(const QString &) override { }
    void changeEvent(QEvent *event) override;

private:
    /// Writes an edited cell's @p text (grid row @p row) and marks the document modified;
    /// false when the text is not a number of the column's type.
    bool gridSetEditText(int column, int row, const QString &text);
    void gridClick();
    void editorOpened(CellEditor *editor);
    void applySizes();
    void alignHeader();
    QModelIndexList selectedCells() const;

    CodePageHas m_codePageHas;
    GridTableModel *m_table;
    CellDelegate *m_delegate;
    QPointer<CellEditor> m_editor; ///< the open editor, if any
    bool m_helpMode = false;
    bool m_applyingSizes = false;
    bool m_clickedCurrent = false; ///< the pressed cell was already the current one
};

} // namespace molvane
