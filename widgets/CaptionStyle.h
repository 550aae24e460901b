#pragma once

#include <QProxyStyle>

namespace molvane {

/// Whether a caption's access-key underline would tear a word apart: Qt shapes the text on
/// each side of the underlined letter on its own, so Farsi letters there lose their joined
/// forms.
bool UnderlineBreaksJoining(const QString &caption);

/// The mnemonic flag to draw @p caption with: shown, or hidden where it would break joining.
/// The access key works either way.
int MnemonicFlag(const QString &caption);

/// The application style, except that Farsi captions are drawn without the access-key
/// underline (buttons, labels, tabs, message boxes). The menus draw their own captions.
class CaptionStyle : public QProxyStyle
{
    Q_OBJECT

public:
    int styleHint(StyleHint hint, const QStyleOption *option = nullptr,
        const QWidget *widget = nullptr, QStyleHintReturn *returnData = nullptr) const override;
};

} // namespace molvane
