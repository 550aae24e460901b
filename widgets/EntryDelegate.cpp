#include "widgets/EntryDelegate.h"

#include "document/QtText.h"
#include "texts/BidiText.h"

namespace molvane {

QString EntryDelegate::displayText(const QVariant &value, const QLocale &) const
{
    return ToQString(LeftToRightEntry(value.toString().toStdString()));
}

void EntryDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    option->direction = Qt::LeftToRight;
    option->displayAlignment = Qt::AlignLeft | Qt::AlignAbsolute | Qt::AlignVCenter;
}

} // namespace molvane
