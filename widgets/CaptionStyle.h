#pragma once

#include <QProxyStyle>

class QPainter;

namespace molvane {

/// Whether a caption's access-key underline would tear a word apart: Qt shapes the text on
/// each side of the underlined letter on its own, so Farsi letters there lose their joined
/// forms.
bool UnderlineBreaksJoining(const QString &caption);

/// Draws @p caption as QPainter::drawText would with @p flags; a caption whose underline would
/// break joining is drawn whole, shaped, and the access letter underlined where the shaped
/// word has it, so Farsi captions get both their joined letters and their access key.
void DrawCaption(QPainter *painter, const QRect &rect, int flags, const QString &caption);

/// The application style, except that Farsi captions are drawn whole with the access letter
/// underlined under the shaped word (buttons, labels, tabs, message boxes). The menus draw
/// their own captions, with DrawCaption.
class CaptionStyle : public QProxyStyle
{
    Q_OBJECT

public:
    void drawItemText(QPainter *painter, const QRect &rect, int flags, const QPalette &palette,
        bool enabled, const QString &text,
        QPalette::ColorRole textRole = QPalette::NoRole) const override;
};

} // namespace molvane
