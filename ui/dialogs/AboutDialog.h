#pragma once

#include "texts/Captions.h"

#include <QDialog>

class QLabel;

namespace molvane {

/// The About dialog: the program's icon, name, version and author, in either language. It
/// has no buttons and is closed with its close box.
class AboutDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AboutDialog(QWidget *parent = nullptr);

    /// Shows the dialog modally in the program font (the title keeps its own) and returns
    /// when it is closed.
    void showModal(const QFont &programFont);

    /// Left-to-right with the English texts, or right-to-left with the Farsi ones.
    void SetEnglishCaptions();
    void SetFarsiCaptions();

private:
    void applyCaptions(UiLanguage language);

    QLabel *m_icon = nullptr;
    QLabel *m_tit = nullptr;
    QLabel *m_ver = nullptr;
    QLabel *m_me = nullptr;
};

} // namespace molvane
