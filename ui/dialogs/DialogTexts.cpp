#include "ui/dialogs/DialogTexts.h"
#include "ui/UiText.h"

#include <QAbstractButton>
#include <QLabel>

namespace molvane {

void DialogTexts::addCaption(QLabel *label, TextId caption)
{
    addText(caption, [label](const QString &text) { label->setText(text); });
}

void DialogTexts::addCaption(QAbstractButton *button, TextId caption)
{
    addText(caption, [button](const QString &text) { button->setText(text); });
}

void DialogTexts::addHint(QWidget *widget, TextId hint)
{
    addText(hint, [widget](const QString &text) {
        // A dialog has no status bar, so the tool-tip carries the long text too: the name
        // of an icon-only button, then what it does.
        const UiHint parts = SplitUiHint(text);
        const bool same = parts.toolTip == parts.statusTip;
        widget->setToolTip(same ? parts.toolTip : parts.toolTip + '\n' + parts.statusTip);
        widget->setStatusTip(parts.statusTip);
    });
}

void DialogTexts::addText(TextId text, std::function<void(const QString &)> show)
{
    m_texts.push_back({ text, std::move(show) });
}

QLabel *DialogTexts::addLeftLabel(QWidget *page, TextId caption)
{
    auto *added = new QLabel(page);
    added->setAlignment(Qt::AlignLeft | Qt::AlignAbsolute | Qt::AlignVCenter);
    addCaption(added, caption);
    return added;
}

void DialogTexts::apply(UiLanguage language) const
{
    for (const ShownText &shown : m_texts)
        shown.show(UiString(shown.text, language));
}

} // namespace molvane
