#pragma once

#include <QStyledItemDelegate>

namespace molvane {

/// Shows each entry of a list ("name:5=110", "#name(a)=#name(b)") left to right in the order it
/// was typed, Farsi names included; the entries themselves stay as they are.
class EntryDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QString displayText(const QVariant &value, const QLocale &locale) const override;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;
};

} // namespace molvane
