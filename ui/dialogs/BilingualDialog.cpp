#include "ui/dialogs/BilingualDialog.h"

namespace molvane {

BilingualDialog::BilingualDialog(TextId title, QWidget *parent)
    : QDialog(parent)
{
    m_texts.addText(title, [this](const QString &text) { setWindowTitle(text); });
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

void BilingualDialog::languageChanged(UiLanguage)
{ }

void BilingualDialog::aboutToShow()
{ }

void BilingualDialog::applyCaptions(UiLanguage language)
{
    m_texts.apply(language);
    languageChanged(language);
}

} // namespace molvane
