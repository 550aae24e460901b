#include "widgets/CaptionStyle.h"

#include <QPainter>
#include <QTextLayout>

#include <algorithm>

namespace molvane {

namespace {

// The index of the access letter in @p caption without its "&" marks, and that text.
std::pair<qsizetype, QString> accessLetter(const QString &caption)
{
    QString plain;
    qsizetype letter = -1;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) {
            ++i;
            if (caption[i] != '&' && letter < 0)
                letter = plain.size();
        }
        plain += caption[i];
    }
    return { letter, plain };
}

} // namespace

bool UnderlineBreaksJoining(const QString &caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&')
            continue;
        const QChar marked = caption[i + 1];
        if (marked == '&') {
            ++i; // "&&" is a literal ampersand
            continue;
        }
        if (marked.isLetter() && marked.script() == QChar::Script_Arabic)
            return true;
    }
    return false;
}

void DrawCaption(QPainter *painter, const QRect &rect, int flags, const QString &caption)
{
    if (!(flags & Qt::TextShowMnemonic) || !UnderlineBreaksJoining(caption)) {
        painter->drawText(rect, flags, caption);
        return;
    }
    painter->drawText(rect, (flags & ~Qt::TextShowMnemonic) | Qt::TextHideMnemonic, caption);
    const auto [letter, plain] = accessLetter(caption);
    if (letter < 0 || plain.contains('\n'))
        return;
    // Where drawText put the shaped text, and where the letter lies within it.
    const QFontMetrics metrics = painter->fontMetrics();
    const QRect drawn = metrics.boundingRect(rect, flags & ~Qt::TextShowMnemonic, plain);
    QTextLayout layout(plain, painter->font());
    QTextOption option;
    option.setTextDirection(painter->layoutDirection());
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(drawn.width());
    layout.endLayout();
    const qreal from = line.cursorToX(int(letter)), to = line.cursorToX(int(letter) + 1);
    const qreal left = drawn.left() + std::min(from, to), right = drawn.left() + std::max(from, to);
    // Joined letters rest on a stroke along the baseline: the line stands a little lower than
    // a Latin underline, so that it reads as a line of its own.
    const qreal y
        = drawn.top() + metrics.ascent() + metrics.underlinePos() + 2 * metrics.lineWidth();
    painter->save();
    painter->setPen(QPen(painter->pen().color(), qMax(1, metrics.lineWidth())));
    painter->drawLine(QPointF(left, y), QPointF(right, y));
    painter->restore();
}

void CaptionStyle::drawItemText(QPainter *painter, const QRect &rect, int flags,
    const QPalette &palette, bool enabled, const QString &text, QPalette::ColorRole textRole) const
{
    if (!(flags & Qt::TextShowMnemonic) || !UnderlineBreaksJoining(text)) {
        QProxyStyle::drawItemText(painter, rect, flags, palette, enabled, text, textRole);
        return;
    }
    painter->save();
    if (textRole != QPalette::NoRole)
        painter->setPen(palette.color(enabled ? QPalette::Active : QPalette::Disabled, textRole));
    DrawCaption(painter, rect, flags, text);
    painter->restore();
}

} // namespace molvane
