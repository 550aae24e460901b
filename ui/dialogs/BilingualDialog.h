#pragma once

#include "ui/dialogs/DialogTexts.h"

#include <QDialog>

namespace molvane {

/// A dialog whose texts follow the interface language.
class BilingualDialog : public QDialog
{
    Q_OBJECT

public:
    /// Every text in English, or every text in Farsi.
    void setEnglishCaptions();
    void setFarsiCaptions();

    /// Shows the dialog modally in the program font and returns when it is closed.
    void showModal(const QFont &programFont);

protected:
    BilingualDialog(TextId title, QWidget *parent);

    /// The dialog's texts; controls add theirs where they are created.
    DialogTexts &texts() { return m_texts; }

    /// What else a language changes, once its texts are set.
    virtual void languageChanged(UiLanguage language);
    /// Just before the dialog is shown by showModal().
    virtual void aboutToShow();

private:
    void applyCaptions(UiLanguage language);

    DialogTexts m_texts;
};

} // namespace molvane
