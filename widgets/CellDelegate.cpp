#include "widgets/CellDelegate.h"

#include "widgets/CellEditor.h"
#include "widgets/GridTableModel.h"

#include "texts/BidiText.h"

#include <QApplication>
#include <QFocusEvent>

namespace molvane {

CellDelegate::CellDelegate(CodePageHas codePageHas, EditorOpened opened, QObject *parent)
    : QStyledItemDelegate(parent)
    , m_codePageHas(std::move(codePageHas))
    , m_opened(std::move(opened))
{ }

QWidget *CellDelegate::createEditor(
    QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    auto *editor = new CellEditor(index, m_codePageHas, parent);
    // An editor made after the grid's direction was set does not always inherit it; and a
    // line edit aligns by the direction of its text, so numbers would jump to the left of a
    // right-to-left cell while it is edited.
    editor->setLayoutDirection(option.direction);
    const Qt::Alignment side = option.direction == Qt::RightToLeft ? Qt::AlignRight : Qt::AlignLeft;
    editor->setAlignment(side | Qt::AlignAbsolute | Qt::AlignVCenter);
    if (m_opened)
        m_opened(editor);
    return editor;
}

void CellDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    auto *cell = static_cast<CellEditor *>(editor);
    const QString text = index.data(Qt::EditRole).toString();
    // Each edit is written to the cell at once and comes back here: leave the cursor alone.
    if (!cell->hasOriginalText() || cell->text() != text)
        cell->setCellText(text);
}

void CellDelegate::setModelData(
    QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    model->setData(index, static_cast<CellEditor *>(editor)->text(), Qt::EditRole);
}

// A computed cell's text is the grid font's colour moved part way to the cell's background:
// set apart from typed text and still readable on a light or a dark background.
void CellDelegate::muteText(QPalette &palette)
{
    const QColor text = palette.color(QPalette::Text), base = palette.color(QPalette::Base);
    const auto mix = [](int a, int b) { return (3 * a + 2 * b) / 5; };
    palette.setColor(QPalette::Text,
        QColor(mix(text.red(), base.red()), mix(text.green(), base.green()),
            mix(text.blue(), base.blue())));
}

// A formula or a number (any text without Farsi letters) reads left to right in a
// right-to-left cell too: "(NH4)2SO4", not "2SO4(NH4)". One that fits stands at the cell's
// reading side; one too wide keeps its start and is cut at its end, as in a left-to-right
// cell, instead of losing the digits or symbols that tell what it is.
void CellDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    if (index.data(GridTableModel::ComputedRole).toBool())
        muteText(option->palette);
    if (option->direction != Qt::RightToLeft || HoldsArabicScript(option->text.toStdString()))
        return;
    const QStyle *style = option->widget ? option->widget->style() : QApplication::style();
    const int margins
        = 2 * (style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, option->widget) + 1);
    const bool fits
        = option->fontMetrics.horizontalAdvance(option->text) <= option->rect.width() - margins;
    option->direction = Qt::LeftToRight;
    option->displayAlignment
        = (fits ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignAbsolute | Qt::AlignVCenter;
}

bool CellDelegate::eventFilter(QObject *object, QEvent *event)
{
    if (event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
            return false;
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

} // namespace molvane
