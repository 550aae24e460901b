#include "widgets/CaptionStyle.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QStyleOption>

namespace molvane {

namespace {

QString captionOf(const QStyleOption *option, const QWidget *widget)
{
    if (const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option))
        return button->text;
    if (const auto *tool = qstyleoption_cast<const QStyleOptionToolButton *>(option))
        return tool->text;
    if (const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option))
        return item->text;
    if (const auto *tab = qstyleoption_cast<const QStyleOptionTab *>(option))
        return tab->text;
    if (const auto *group = qstyleoption_cast<const QStyleOptionGroupBox *>(option))
        return group->text;
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text();
    if (const auto *group = qobject_cast<const QGroupBox *>(widget))
        return group->title();
    return {};
}

} // namespace

bool UnderlineBreaksJoining(const QString &caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&')
            continue;
        const QChar marked = caption[i + 1];
        if (marked == '&') {
            ++i; // "&&" is a literal ampersand
            continue;
        }
        if (marked.isLetter() && marked.script() == QChar::Script_Arabic)
            return true;
    }
    return false;
}

int MnemonicFlag(const QString &caption)
{
    return UnderlineBreaksJoining(caption) ? Qt::TextHideMnemonic : Qt::TextShowMnemonic;
}

int CaptionStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
    QStyleHintReturn *returnData) const
{
    if (hint == SH_UnderlineShortcut && UnderlineBreaksJoining(captionOf(option, widget)))
        return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

} // namespace molvane
