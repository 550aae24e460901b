#include "widgets/SubstanceGrid.h"

#include "export/ClipboardForms.h"
#include "grid/CellBlock.h"
#include "grid/CellCheck.h"
#include "widgets/CellDelegate.h"
#include "widgets/CellEditor.h"
#include "widgets/GridTableModel.h"

#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>

namespace molvane {

namespace {

constexpr int RowHandleWidth = 8; ///< the strip whose borders drag row heights

} // namespace

SubstanceGrid::SubstanceGrid(CodePageHas codePageHas, QWidget *parent)
    : QTableView(parent)
    , m_codePageHas(codePageHas)
    , m_table(new GridTableModel(this))
    , m_delegate(new CellDelegate(
          std::move(codePageHas), [this](CellEditor *editor) { editorOpened(editor); }, this))
{
    setModel(m_table);
    setItemDelegate(m_delegate);
    // Several cells can be selected to be cleared at once.
    setSelectionMode(ExtendedSelection);
    // Tab leaves the grid as it leaves every other control; the arrows move between cells.
    setTabKeyNavigation(false);
    // A click on the current cell opens it at once (see mouseReleaseEvent): the view's own way
    // waits for a double click, and keys typed meanwhile would go to a search of the rows.
    setEditTriggers(DoubleClicked | EditKeyPressed | AnyKeyPressed);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    setCornerButtonEnabled(false);

    QHeaderView *header = horizontalHeader();
    header->setSectionsClickable(false);
    header->setHighlightSections(false);
    header->setMinimumSectionSize(0);
    QHeaderView *rows = verticalHeader();
    rows->setSectionsClickable(false);
    rows->setHighlightSections(false);
    rows->setMinimumSectionSize(0);
    rows->setFixedWidth(RowHandleWidth);
    alignHeader();
    header->viewport()->installEventFilter(this);
    rows->viewport()->installEventFilter(this);

    connect(header, &QHeaderView::sectionResized, this, [this](int column, int, int width) {
        GridModel *grid = gridModel();
        if (!m_applyingSizes && grid && column < grid->colCount())
            grid->setColWidth(column, width);
    });
    connect(rows, &QHeaderView::sectionResized, this, [this](int row, int, int height) {
        GridModel *grid = gridModel();
        if (!m_applyingSizes && grid && row + 1 < grid->rowCount())
            grid->setRowHeight(row + 1, height);
    });
}

SubstanceGrid::~SubstanceGrid() = default;

void SubstanceGrid::setGridModel(GridModel *grid)
{
    m_applyingSizes = true; // the reset itself resizes the sections
    m_table->setGrid(grid);
    applySizes();
}

GridModel *SubstanceGrid::gridModel() const
{
    return m_table->grid();
}

void SubstanceGrid::refresh()
{
    // Resetting releases an open editor without committing it: its text must not land in
    // cells that code has just rewritten.
    m_applyingSizes = true;
    m_table->reload();
    applySizes();
}

void SubstanceGrid::setComputedHint(const QString &hint)
{
    m_table->setComputedHint(hint);
}

void SubstanceGrid::applySizes()
{
    m_applyingSizes = true;
    if (const GridModel *grid = gridModel()) {
        horizontalHeader()->setFixedHeight(grid->rowHeight(0));
        verticalHeader()->setDefaultSectionSize(grid->defaultRowHeight());
        for (int column = 0; column < grid->colCount(); ++column)
            horizontalHeader()->resizeSection(column, grid->colWidth(column));
        for (int row = 1; row < grid->rowCount(); ++row)
            verticalHeader()->resizeSection(row - 1, grid->rowHeight(row));
    }
    m_applyingSizes = false;
}

void SubstanceGrid::setGridFont(const QFont &font, const QColor &color)
{
    setFont(font);
    QPalette palette = this->palette();
    for (const QPalette::ColorRole role :
        { QPalette::Text, QPalette::ButtonText, QPalette::WindowText })
        palette.setColor(role, color);
    setPalette(palette);
}

void SubstanceGrid::setHelpMode(bool on)
{
    m_helpMode = on;
}

bool SubstanceGrid::edit(const QModelIndex &index, EditTrigger trigger, QEvent *event)
{
    // A help click still moves the selection, but does not start editing.
    if (m_helpMode && (trigger == SelectedClicked || trigger == DoubleClicked))
        return false;
    return QTableView::edit(index, trigger, event);
}

void SubstanceGrid::commitEdit()
{
    if (m_editor && !m_editor->isClosed()) {
        commitData(m_editor);
        closeEditor(m_editor, QAbstractItemDelegate::NoHint);
    }
}

void SubstanceGrid::editorOpened(CellEditor *editor)
{
    m_editor = editor;
    connect(editor, &QLineEdit::textEdited, this, [this, editor](const QString &text) {
        const QModelIndex index = editor->index();
        if (index.isValid() && !gridSetEditText(index.column(), index.row() + 1, text))
            emit invalidNumber();
    });
    connect(editor, &CellEditor::inputRefused, this, &SubstanceGrid::inputRefused);
}

void SubstanceGrid::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint)
{
    auto *cell = qobject_cast<CellEditor *>(editor);
    if (!cell || cell->isClosed() || !cell->index().isValid()) {
        QTableView::closeEditor(editor, hint);
        return;
    }
    cell->markClosed();
    const int column = cell->index().column();
    const int row = cell->index().row() + 1;
    // Tab from the last cell leaves the grid instead of starting over at the first one.
    const bool last = row == m_table->rowCount() && column == m_table->columnCount() - 1;
    const bool first = row == 1 && column == 0;
    bool leave = false;
    const bool forward = hint == QAbstractItemDelegate::EditNextItem;
    if ((forward && last) || (hint == QAbstractItemDelegate::EditPreviousItem && first)) {
        leave = true;
        hint = QAbstractItemDelegate::SubmitModelCache;
    }
    // Escape gives the cell back the text it had when editing began.
    const QString text
        = hint == QAbstractItemDelegate::RevertModelCache ? cell->originalText() : cell->text();
    QTableView::closeEditor(editor, hint);
    if (leave)
        focusNextPrevChild(forward);
    // The end of editing checks again, also when nothing changed. Editing often ends inside
    // a change of focus, and a message box shown from there would upset it (the closed editor
    // could get focus events after it is deleted): the message waits for the next turn.
    if (!gridSetEditText(column, row, text))
        QMetaObject::invokeMethod(this, &SubstanceGrid::invalidNumber, Qt::QueuedConnection);
}

bool SubstanceGrid::gridSetEditText(int column, int row, const QString &text)
{
    m_table->setData(m_table->index(row - 1, column), text, Qt::EditRole);
    emit modified();
    return molvane::GridSetEditText(gridModel()->typeOf(column), text.toStdString());
}

QModelIndexList SubstanceGrid::selectedCells() const
{
    QModelIndexList cells = selectionModel()->selectedIndexes();
    if (cells.isEmpty() && currentIndex().isValid())
        cells.append(currentIndex());
    return cells;
}

void SubstanceGrid::copyCells()
{
    if (m_editor && !m_editor->isClosed()) {
        m_editor->copy();
        return;
    }
    const QModelIndexList cells = selectedCells();
    if (cells.isEmpty())
        return;
    int top = cells.first().row(), bottom = top, left = cells.first().column(), right = left;
    for (const QModelIndex &cell : cells) {
        top = qMin(top, cell.row());
        bottom = qMax(bottom, cell.row());
        left = qMin(left, cell.column());
        right = qMax(right, cell.column());
    }
    // Tab-separated text for spreadsheets and editors, a table for word processors.
    QStringList lines;
    std::vector<std::vector<std::string>> rows;
    for (int row = top; row <= bottom; ++row) {
        QStringList line;
        for (int column = left; column <= right; ++column)
            line.append(m_table->index(row, column).data(Qt::EditRole).toString());
        lines.append(line.join('\t'));
        rows.emplace_back();
        for (const QString &cell : line)
            rows.back().push_back(cell.toStdString());
    }
    auto *data = new QMimeData;
    data->setText(lines.join('\n') + '\n');
    data->setHtml(
        QString::fromStdString(CellTableHtml(rows, layoutDirection() == Qt::RightToLeft)));
    QApplication::clipboard()->setMimeData(data);
}

void SubstanceGrid::pasteCells()
{
    if (m_editor && !m_editor->isClosed()) {
        m_editor->paste();
        return;
    }
    QString text = QApplication::clipboard()->text();
    if (!currentIndex().isValid() || text.isEmpty() || m_helpMode)
        return;
    text.replace("\r\n", "\n");
    if (text.endsWith('\n'))
        text.chop(1);
    CellBlock block;
    for (const QString &line : text.split('\n')) {
        block.emplace_back();
        for (const QString &cell : line.split('\t'))
            block.back().push_back(cell.toStdU32String());
    }
    const int row = currentIndex().row() + 1, column = currentIndex().column();
    const Refusal refusal = FitCellBlock(*gridModel(), column, row, block, m_codePageHas);
    if (refusal != Refusal::None) {
        emit inputRefused(refusal, QString());
        return;
    }
    for (std::size_t r = 0; r < block.size(); ++r) {
        for (std::size_t c = 0; c < block[r].size(); ++c)
            gridModel()->setCell(column + int(c), row + int(r),
                QString::fromStdU32String(block[r][c]).toStdString());
    }
    refresh();
    emit modified();
}

void SubstanceGrid::cutCells()
{
    if (m_editor && !m_editor->isClosed()) {
        m_editor->cut();
        return;
    }
    copyCells();
    clearSelectedCells();
}

bool SubstanceGrid::clearSelectedCells()
{
    const QModelIndexList cells = selectedCells();
    bool cleared = false;
    for (const QModelIndex &cell : std::as_const(cells)) {
        // Table rows are the grid's substance rows: the item names are never among them.
        if (cell.data(Qt::EditRole).toString().isEmpty())
            continue;
        m_table->setData(cell, QString(), Qt::EditRole);
        cleared = true;
    }
    if (cleared)
        emit modified();
    return cleared;
}

void SubstanceGrid::keyPressEvent(QKeyEvent *event)
{
    if (event == QKeySequence::Cut && state() != EditingState) {
        if (!m_helpMode)
            cutCells();
        event->accept();
        return;
    }
    if (state() != EditingState
        && (event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace)
        && !(event->modifiers() & ~Qt::KeypadModifier)) {
        if (!m_helpMode)
            clearSelectedCells();
        event->accept();
        return;
    }
    // A character the column drops does not open the editor either.
    if (state() != EditingState && currentIndex().isValid()
        && !(event->modifiers() & Qt::ControlModifier)) {
        const std::optional<std::u32string> typed = TypedCharacters(*event);
        const std::string type
            = currentIndex().data(GridTableModel::TypeRole).toString().toStdString();
        if (typed && KeptCharacters(type, *typed).empty()) {
            event->accept();
            return;
        }
    }
    QTableView::keyPressEvent(event);
}

void SubstanceGrid::mousePressEvent(QMouseEvent *event)
{
    const QModelIndex clicked = indexAt(event->position().toPoint());
    m_clickedCurrent = clicked.isValid() && clicked == currentIndex()
        && event->button() == Qt::LeftButton && event->modifiers() == Qt::NoModifier;
    QTableView::mousePressEvent(event);
}

void SubstanceGrid::mouseReleaseEvent(QMouseEvent *event)
{
    QTableView::mouseReleaseEvent(event);
    if (m_helpMode && event->button() == Qt::LeftButton)
        gridClick();
    else if (std::exchange(m_clickedCurrent, false) && state() != EditingState
        && indexAt(event->position().toPoint()) == currentIndex())
        edit(currentIndex(), AllEditTriggers, event);
}

void SubstanceGrid::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LayoutDirectionChange) {
        // The cells mirror but an open editor would stay where its cell was: the edit ends
        // as leaving the cell ends it.
        commitEdit();
        alignHeader();
    }
    QTableView::changeEvent(event);
}

void SubstanceGrid::alignHeader()
{
    // The header does not mirror its alignment itself: names start where reading starts.
    const Qt::Alignment side = isRightToLeft() ? Qt::AlignRight : Qt::AlignLeft;
    horizontalHeader()->setDefaultAlignment(side | Qt::AlignAbsolute | Qt::AlignVCenter);
}

bool SubstanceGrid::eventFilter(QObject *watched, QEvent *event)
{
    // The header row is part of the grid: a help click there asks for help too.
    if (m_helpMode && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
        gridClick();
    return QTableView::eventFilter(watched, event);
}

void SubstanceGrid::gridClick()
{
    if (m_helpMode)
        emit helpRequested();
}

} // namespace molvane
