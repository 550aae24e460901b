#include "widgets/MenuStyle.h"
#include "widgets/CaptionStyle.h"

#include <QApplication>
#include <QPainter>
#include <QStyleOptionMenuItem>

namespace molvane {

namespace {

QStringList captionLines(const QString &text)
{
    return text.section('\t', 0, 0).split('\r');
}

} // namespace

MenuStyle::MenuStyle(MenuLook look)
    : m_look(look)
    , m_darkLook(DarkDesktopMenuLook(look))
{ }

const MenuLook &MenuStyle::paintedLook() const
{
    // A dark window background means light text: the light look would hide it.
    const bool dark = QApplication::palette().color(QPalette::Window).lightness() < 128;
    return dark ? m_darkLook : m_look;
}

QColor MenuStyle::resolve(const MenuColor &color)
{
    const QPalette palette = QApplication::palette();
    switch (color.role) {
    case MenuColor::Rgb:
        return QColor(color.r, color.g, color.b);
    case MenuColor::ButtonFace:
        return palette.color(QPalette::Button);
    case MenuColor::Highlight:
        return palette.color(QPalette::Highlight);
    case MenuColor::HighlightText:
        return palette.color(QPalette::HighlightedText);
    case MenuColor::DarkShadow3D:
        return palette.color(QPalette::Shadow);
    case MenuColor::GrayText:
        return palette.color(QPalette::Disabled, QPalette::Text);
    case MenuColor::MenuText:
        return palette.color(QPalette::WindowText);
    case MenuColor::MenuBack:
        return palette.color(QPalette::Window);
    }
    return Qt::black;
}

void MenuStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
    const QWidget *widget) const
{
    const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
    if (element == CE_MenuItem && item) {
        drawMenuItem(*item, painter);
    } else if (element == CE_MenuBarItem && item) {
        drawMenuBarItem(*item, painter);
    } else if (element == CE_MenuBarEmptyArea) {
        painter->fillRect(option->rect, resolve(paintedLook().color(MenuColorSlot::MenuBar)));
    } else {
        QProxyStyle::drawControl(element, option, painter, widget);
    }
}

QSize MenuStyle::sizeFromContents(
    ContentsType type, const QStyleOption *option, const QSize &size, const QWidget *widget) const
{
    const QSize base = QProxyStyle::sizeFromContents(type, option, size, widget);
    const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
    if (type != CT_MenuItem || !item)
        return base;
    const ImageColumn column = imageColumn(*item, base.height());
    const QFontMetrics metrics(item->font);
    std::vector<int> lines;
    for (const QString &line : captionLines(item->text))
        lines.push_back(metrics.horizontalAdvance(line));
    const QString shortcut = item->text.section('\t', 1);
    const ItemSize measured = MeasureMenuItem(column, lines, metrics.horizontalAdvance(shortcut),
        !shortcut.isEmpty(), item->menuItemType == QStyleOptionMenuItem::SubMenu, metrics.height(),
        { base.width(), base.height() }, item->menuItemType == QStyleOptionMenuItem::Separator);
    return { measured.width, measured.height };
}

int MenuStyle::pixelMetric(
    PixelMetric metric, const QStyleOption *option, const QWidget *widget) const
{
    if (metric == PM_SmallIconSize)
        return ImageSize;
    return QProxyStyle::pixelMetric(metric, option, widget);
}

ImageColumn MenuStyle::imageColumn(const QStyleOptionMenuItem &item, int itemHeight) const
{
    const int iconSize = item.maxIconWidth > 0 ? ImageSize : 0;
    return MenuImageColumn(paintedLook(), iconSize, iconSize, itemHeight, false);
}

void MenuStyle::drawSelection(QPainter *painter, const QRect &rect) const
{
    const MenuLook &look = paintedLook();
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setBrush(resolve(look.color(MenuColorSlot::SelectedBack)));
    painter->setPen(resolve(look.color(MenuColorSlot::SelectedBorder)));
    const QRectF box = QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5);
    if (look.shape == SelectionShape::RoundRect)
        painter->drawRoundedRect(box, look.curvatureX / 2.0, look.curvatureY / 2.0);
    else
        painter->drawRect(box);
    painter->restore();
}

// The image with its soft shadow first: the image's pixels, blurred, blended towards the
// shadow colour. The shadow has the image's own pixels, which on a scaled screen are finer
// than the menu's, and its offset is in the menu's pixels.
void MenuStyle::drawImage(QPainter *painter, const QPixmap &image, QPoint at) const
{
    const MenuLook &look = paintedLook();
    if (look.showImageShadow) {
        const QImage source = image.toImage().convertToFormat(QImage::Format_ARGB32);
        const int w = source.width(), h = source.height();
        std::vector<bool> pixels(std::size_t(w) * h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                pixels[std::size_t(y) * w + x] = qAlpha(source.pixel(x, y)) > 0;
        const std::vector<int> mask = ShadowMask(pixels, w, h, look.shadowAlpha);
        QImage shadow(w + 2, h + 2, QImage::Format_ARGB32);
        const QColor color = resolve(look.color(MenuColorSlot::Shadow));
        for (int y = 0; y < h + 2; ++y)
            for (int x = 0; x < w + 2; ++x)
                shadow.setPixel(x, y,
                    qRgba(color.red(), color.green(), color.blue(),
                        mask[std::size_t(y) * (w + 2) + x]));
        const qreal ratio = image.devicePixelRatio();
        shadow.setDevicePixelRatio(ratio);
        // The blur's border is one pixel of the image, the offset whole pixels of the screen.
        const QPoint offset(
            qRound(look.shadowPosX * ratio) - 1, qRound(look.shadowPosY * ratio) - 1);
        painter->drawImage(QPointF(at) + QPointF(offset) / ratio, shadow);
    }
    painter->drawPixmap(at, image);
}

void MenuStyle::drawMenuItem(const QStyleOptionMenuItem &item, QPainter *painter) const
{
    const MenuLook &look = paintedLook();
    const QRect r = item.rect;
    const bool rtl = item.direction == Qt::RightToLeft;
    const bool selected = (item.state & State_Selected) && (item.state & State_Enabled);
    const int iconSize = item.maxIconWidth > 0 ? ImageSize : 0;
    const ImageColumn column = imageColumn(item, r.height());
    const QRect imageRect = rtl
        ? QRect(r.right() - column.width + 1, r.top(), column.width, r.height())
        : QRect(r.left(), r.top(), column.width, r.height());

    painter->fillRect(r, resolve(look.color(MenuColorSlot::Back)));
    painter->fillRect(imageRect, resolve(look.color(MenuColorSlot::ImageBack)));
    QRect text = r.adjusted(rtl ? 0 : column.width + 6, 0, rtl ? -(column.width + 6) : 0, 0);

    if (item.menuItemType == QStyleOptionMenuItem::Separator) {
        painter->setPen(resolve(look.color(MenuColorSlot::Line)));
        const int y = r.top() / 2 + r.bottom() / 2 + (r.top() % 2 + r.bottom() % 2) / 2;
        painter->drawLine(text.left() - (rtl ? 12 : 0), y, text.right(), y);
        return;
    }
    if (selected)
        drawSelection(painter, r);

    const QColor textColor = selected  ? resolve(look.color(MenuColorSlot::SelectedText))
        : (item.state & State_Enabled) ? resolve(look.color(MenuColorSlot::Text))
                                       : resolve(look.color(MenuColorSlot::DisableText));
    bool imageDrawn = false;
    if (!item.icon.isNull() && iconSize > 0) {
        // A selected item's image in the icon's selected form, a disabled one's in its
        // disabled form.
        const QIcon::Mode mode = !(item.state & State_Enabled) ? QIcon::Disabled
            : selected                                         ? QIcon::Selected
                                                               : QIcon::Normal;
        const QPixmap image = item.icon.pixmap(
            QSize(iconSize, iconSize), painter->device()->devicePixelRatioF(), mode);
        const QPoint at(imageRect.left() + (imageRect.width() - iconSize) / 2,
            r.top() + (r.height() - iconSize) / 2);
        drawImage(painter, image, at);
        imageDrawn = true;
    }
    if (item.checked) {
        if (imageDrawn) {
            painter->setPen(resolve(
                look.color(selected ? MenuColorSlot::SelectedCheck : MenuColorSlot::Check)));
            painter->setBrush(Qt::NoBrush);
            painter->drawRect(imageRect.adjusted(0, 0, -1, -1));
        } else {
            painter->setPen(textColor);
            const int x = rtl ? r.right() - column.width / 2 : r.left() + column.width / 2;
            for (const auto &line : CheckChevron(x, r.center().y() - 3, rtl)) {
                const QPoint points[3] = { { line[0][0], line[0][1] }, { line[1][0], line[1][1] },
                    { line[2][0], line[2][1] } };
                painter->drawPolyline(points, 3);
            }
        }
    }

    painter->setFont(item.font);
    painter->setPen(textColor);
    // Absolute: the painter would mirror relative sides again in a right-to-left application.
    const Qt::Alignment leading
        = Qt::AlignAbsolute | (rtl ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
    const Qt::Alignment trailing
        = Qt::AlignAbsolute | (rtl ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter;
    DrawCaption(painter, text, static_cast<int>(leading) | Qt::TextShowMnemonic,
        captionLines(item.text).join('\n'));
    const QString shortcut = item.text.section('\t', 1);
    if (!shortcut.isEmpty())
        painter->drawText(
            text.adjusted(rtl ? 13 : 0, 0, rtl ? 0 : -13, 0), static_cast<int>(trailing), shortcut);
    if (item.menuItemType == QStyleOptionMenuItem::SubMenu) {
        // A submenu's arrow points where it opens, at the end of the caption's line.
        QStyleOption arrow(item);
        arrow.palette.setColor(QPalette::ButtonText, textColor);
        arrow.rect = QRect(rtl ? r.left() + 3 : r.right() - 11, r.center().y() - 4, 8, 8);
        proxy()->drawPrimitive(
            rtl ? PE_IndicatorArrowLeft : PE_IndicatorArrowRight, &arrow, painter);
    }
}

void MenuStyle::drawMenuBarItem(const QStyleOptionMenuItem &item, QPainter *painter) const
{
    const MenuLook &look = paintedLook();
    painter->fillRect(item.rect, resolve(look.color(MenuColorSlot::MenuBar)));
    const bool selected = item.state & (State_Selected | State_Sunken);
    if (selected && (item.state & State_Enabled))
        drawSelection(painter, item.rect);
    painter->setPen(
        resolve(look.color(selected ? MenuColorSlot::SelectedText : MenuColorSlot::Text)));
    painter->setFont(item.font);
    DrawCaption(painter, item.rect, Qt::AlignCenter | Qt::TextShowMnemonic, item.text);
}

} // namespace molvane
