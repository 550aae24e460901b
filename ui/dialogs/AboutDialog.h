#pragma once

#include "ui/dialogs/BilingualDialog.h"

class QLabel;

namespace molvane {

/// The About dialog: the program's icon, name and version, in either language. It
/// has no buttons and is closed with its close box.
class AboutDialog : public BilingualDialog
{
    Q_OBJECT

public:
    /// Left-to-right with the English texts, or right-to-left with the Farsi ones. Shown in
    /// the program font, the title keeps its own.
    explicit AboutDialog(QWidget *parent = nullptr);

private:
    void languageChanged(UiLanguage language) override;

    QLabel *m_icon = nullptr;
    QLabel *m_title = nullptr;
    QLabel *m_version = nullptr;
};

} // namespace molvane
