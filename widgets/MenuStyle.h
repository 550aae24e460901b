#pragma once

#include "widgets/MenuLook.h"

#include <QFont>
#include <QProxyStyle>

class QStyleOptionMenuItem;

namespace molvane {

/// Draws and measures the items of the menu bar and its menus with the program's menu look:
/// a light item background, a coloured image column on the leading side, a rounded selection
/// box, soft image shadows. Attach it to the menu bar and every menu.
class MenuStyle : public QProxyStyle
{
    Q_OBJECT

public:
    explicit MenuStyle(MenuLook look = ProgramMenuLook());

    /// The look set; on a dark desktop palette its DarkDesktopMenuLook is painted.
    const MenuLook &look() const { return m_look; }
    /// The look painted with the application's palette now.
    const MenuLook &paintedLook() const;

    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
        const QWidget *widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
        const QWidget *widget = nullptr) const override;
    /// Menu images are as large as the tool bar's: 24 x 24.
    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
        const QWidget *widget = nullptr) const override;

    static constexpr int ImageSize = 24;

    /// The desktop colour of a look colour.
    static QColor resolve(const MenuColor &color);

private:
    void drawMenuItem(const QStyleOptionMenuItem &item, QPainter *painter) const;
    void drawMenuBarItem(const QStyleOptionMenuItem &item, QPainter *painter) const;
    void drawSelection(QPainter *painter, const QRect &rect) const;
    void drawImage(QPainter *painter, const QPixmap &image, QPoint at) const;
    ImageColumn imageColumn(const QStyleOptionMenuItem &item, int itemHeight) const;

    MenuLook m_look;
    MenuLook m_darkLook;
};

} // namespace molvane
