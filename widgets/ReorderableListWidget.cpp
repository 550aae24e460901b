#include "widgets/ReorderableListWidget.h"

#include <algorithm>

namespace molvane {

ReorderableListWidget::ReorderableListWidget(QWidget *parent)
    : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
}

QStringList ReorderableListWidget::entries() const
{
    QStringList result;
    for (int i = 0; i < count(); ++i)
        result << item(i)->text();
    return result;
}

void ReorderableListWidget::setEntries(const QStringList &entries)
{
    clear();
    addItems(entries);
    setCurrentRow(-1);
}

int ReorderableListWidget::selectedIndex() const
{
    const QList<QListWidgetItem *> selected = selectedItems();
    return selected.isEmpty() ? -1 : row(selected.front());
}

void ReorderableListWidget::moveSelectedUp(int steps)
{
    if (const int index = selectedIndex(); index >= 0)
        moveSelectedTo(std::max(index - steps, 0));
}

void ReorderableListWidget::moveSelectedDown(int steps)
{
    if (const int index = selectedIndex(); index >= 0)
        moveSelectedTo(std::min(index + steps, count() - 1));
}

void ReorderableListWidget::deleteSelected()
{
    const int index = selectedIndex();
    if (index < 0)
        return;
    delete takeItem(index);
    setCurrentRow(count() == 0 ? -1 : std::min(index, count() - 1));
}

void ReorderableListWidget::moveSelectedTo(int index)
{
    const int from = selectedIndex();
    if (index == from)
        return;
    QListWidgetItem *moved = takeItem(from);
    insertItem(index, moved);
    setCurrentItem(moved);
}

} // namespace molvane
