#include "widgets/StatusBar.h"

#include <QPainter>
#include <QSizeGrip>
#include <QStyle>
#include <QStyleOption>

namespace molvane {

void StatusBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QStyleOption option;
    option.initFrom(this);
    style()->drawPrimitive(QStyle::PE_PanelStatusBar, &option, &painter, this);
    const QString message = currentMessage();
    if (message.isEmpty())
        return;
    // QStatusBar's own message area: it repaints only that part when a message changes.
    const bool rtl = layoutDirection() == Qt::RightToLeft;
    QRect area = rect().adjusted(6, 0, -12, 0);
    if (const auto *grip = findChild<QSizeGrip *>(); grip && grip->isVisible()) {
        if (rtl)
            area.setLeft(grip->geometry().right() + 1);
        else
            area.setRight(grip->geometry().left() - 1);
    }
    painter.setPen(palette().windowText().color());
    // Absolute: a painter mirrors relative alignment by the application's direction, not by
    // this bar's.
    const Qt::Alignment side = QStyle::visualAlignment(layoutDirection(), Qt::AlignLeft);
    painter.drawText(area, static_cast<int>(side | Qt::AlignVCenter) | Qt::TextSingleLine, message);
}

} // namespace molvane
