#pragma once

#include "editor/KeyOptions.h"
#include "texts/Captions.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;

namespace molvane {

/// The Key Options dialog: the four character lists and the auto identification switch.
/// Its controls are the key options' only storage while the program runs; the editor reads
/// them through keyOptions() at every key. It has no OK or Cancel: edits take effect at once.
class KeyOptionsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit KeyOptionsDialog(QWidget *parent = nullptr);

    /// The options as the controls hold them now.
    KeyOptions keyOptions() const;
    /// Fills the controls (at start-up, from the settings store); emits no change.
    void setKeyOptions(const KeyOptions &options);

    /// Shows the dialog modally in the program font and returns when its close box is used.
    void showModal(const QFont &programFont);

    void SetEnglishCaptions();
    void SetFarsiCaptions();

protected:
    void changeEvent(QEvent *event) override;

private:
    static constexpr int BaseWidth = 175;
    static constexpr int BaseHeight = 145;

    void applyCaptions(UiLanguage language);
    void fitCaption();

    QLineEdit *m_kp = nullptr;
    QLineEdit *m_kop = nullptr;
    QLineEdit *m_kcp = nullptr;
    QLineEdit *m_kf = nullptr;
    QCheckBox *m_chb = nullptr;
};

} // namespace molvane
