#pragma once

#include "editor/KeyOptions.h"
#include "ui/dialogs/BilingualDialog.h"

class QCheckBox;
class QLineEdit;

namespace molvane {

/// The Key Options dialog: the four character lists and the auto identification switch.
/// Its controls are the key options' only storage while the program runs; the editor reads
/// them through keyOptions() at every key. It has no OK or Cancel: edits take effect at once.
class KeyOptionsDialog : public BilingualDialog
{
    Q_OBJECT

public:
    explicit KeyOptionsDialog(QWidget *parent = nullptr);

    /// The options as the controls hold them now.
    KeyOptions keyOptions() const;
    /// Fills the controls (at start-up, from the settings store).
    void setKeyOptions(const KeyOptions &options);

protected:
    void changeEvent(QEvent *event) override;

private:
    static constexpr int BaseWidth = 175;
    static constexpr int BaseHeight = 145;

    void languageChanged(UiLanguage language) override;
    void aboutToShow() override;
    void fitCaption();

    QLineEdit *m_plusKeys = nullptr;
    QLineEdit *m_openKeys = nullptr;
    QLineEdit *m_closeKeys = nullptr;
    QLineEdit *m_arrowKeys = nullptr;
    QCheckBox *m_autoIdentify = nullptr;
};

} // namespace molvane
