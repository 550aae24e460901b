#include "ui/dialogs/BilingualDialog.h"
#include "ui/UiText.h"

#include <QAbstractButton>
#include <QLabel>

namespace molvane {

BilingualDialog::BilingualDialog(TextId title, QWidget *parent)
    : QDialog(parent)
{
    addText(title, [this](const QString &text) { setWindowTitle(text); });
}

void BilingualDialog::setEnglishCaptions()
{
    applyCaptions(UiLanguage::English);
}

void BilingualDialog::setFarsiCaptions()
{
    applyCaptions(UiLanguage::Farsi);
}

void BilingualDialog::showModal(const QFont &programFont)
{
    setFont(programFont);
    aboutToShow();
    exec();
}

void BilingualDialog::addCaption(QLabel *label, TextId caption)
{
    addText(caption, [label](const QString &text) { label->setText(text); });
}

void BilingualDialog::addCaption(QAbstractButton *button, TextId caption)
{
    addText(caption, [button](const QString &text) { button->setText(text); });
}

void BilingualDialog::addHint(QWidget *widget, TextId hint)
{
    addText(hint, [widget](const QString &text) {
        widget->setToolTip(text.section('|', 0, 0));
        widget->setStatusTip(text.section('|', -1));
    });
}

void BilingualDialog::addText(TextId text, std::function<void(const QString &)> show)
{
    m_texts.push_back({ text, std::move(show) });
}

void BilingualDialog::languageChanged(UiLanguage)
{ }

void BilingualDialog::aboutToShow()
{ }

void BilingualDialog::applyCaptions(UiLanguage language)
{
    for (const ShownText &shown : m_texts)
        shown.show(UiString(shown.text, language));
    languageChanged(language);
}

} // namespace molvane
