#include "grid/New1.h"

#include <algorithm>

namespace molvane {

New1AddRemoveListBox::New1AddRemoveListBox(QWidget *parent)
    : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
}

QStringList New1AddRemoveListBox::entries() const
{
    QStringList result;
    for (int i = 0; i < count(); ++i)
        result << item(i)->text();
    return result;
}

void New1AddRemoveListBox::setEntries(const QStringList &entries)
{
    clear();
    addItems(entries);
    setCurrentRow(-1);
}

int New1AddRemoveListBox::selectedIndex() const
{
    const QList<QListWidgetItem *> selected = selectedItems();
    return selected.isEmpty() ? -1 : row(selected.front());
}

void New1AddRemoveListBox::MoveSelectedUp(int steps)
{
    if (const int index = selectedIndex(); index >= 0)
        moveSelectedTo(std::max(index - steps, 0));
}

void New1AddRemoveListBox::MoveSelectedDown(int steps)
{
    if (const int index = selectedIndex(); index >= 0)
        moveSelectedTo(std::min(index + steps, count() - 1));
}

void New1AddRemoveListBox::DeleteSelected()
{
    const int index = selectedIndex();
    if (index < 0)
        return;
    delete takeItem(index);
    setCurrentRow(count() == 0 ? -1 : std::min(index, count() - 1));
}

void New1AddRemoveListBox::moveSelectedTo(int index)
{
    const int from = selectedIndex();
    if (index == from)
        return;
    QListWidgetItem *moved = takeItem(from);
    insertItem(index, moved);
    setCurrentItem(moved);
}

} // namespace molvane
