#pragma once

#include "texts/Texts.h"

#include <QDialog>

#include <functional>
#include <vector>

class QAbstractButton;
class QLabel;

namespace molvane {

/// A dialog whose texts follow the interface language. Each text is named where its control
/// is created; the language switch then sets them all from the text table at once.
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

    void addCaption(QLabel *label, TextId caption);
    void addCaption(QAbstractButton *button, TextId caption);
    /// The hint's short part becomes the tool-tip, its long part the status-bar text.
    void addHint(QWidget *widget, TextId hint);
    /// Any other text, set through @p show.
    void addText(TextId text, std::function<void(const QString &)> show);

    /// What else a language changes, once its texts are set.
    virtual void languageChanged(UiLanguage language);
    /// Just before the dialog is shown by showModal().
    virtual void aboutToShow();

private:
    void applyCaptions(UiLanguage language);

    struct ShownText
    {
        TextId text;
        std::function<void(const QString &)> show;
    };
    std::vector<ShownText> m_texts;
};

} // namespace molvane
