#include "widgets/MenuLook.h"

#include <algorithm>
#include <cstdlib>

namespace molvane {

namespace {

using C = MenuColor;

} // namespace

MenuLook::MenuLook()
{
    setColorScheme(MenuColorScheme::Windows);
}

void MenuLook::setColorScheme(MenuColorScheme scheme)
{
    m_scheme = scheme;
    if (scheme == MenuColorScheme::Custom)
        return;
    m_colors[int(MenuColorSlot::Back)] = C::rgb(255, 255, 255);
    m_colors[int(MenuColorSlot::MenuBar)] = m_colors[int(MenuColorSlot::ImageBack)]
        = C::system(C::ButtonFace);
    m_colors[int(MenuColorSlot::SelectedBack)] = C::system(C::Highlight);
    m_colors[int(MenuColorSlot::SelectedBorder)] = C::system(C::DarkShadow3D);
    m_colors[int(MenuColorSlot::Line)] = m_colors[int(MenuColorSlot::DisableText)]
        = C::system(C::GrayText);
    m_colors[int(MenuColorSlot::SelectedText)] = C::system(C::HighlightText);
    m_colors[int(MenuColorSlot::SelectedCheck)] = C::system(C::DarkShadow3D);
    m_colors[int(MenuColorSlot::Text)] = C::system(C::MenuText);
    m_colors[int(MenuColorSlot::Shadow)] = m_colors[int(MenuColorSlot::Check)]
        = C::system(C::DarkShadow3D);
}

void MenuLook::setColor(MenuColorSlot slot, MenuColor color)
{
    if (m_colors[int(slot)] == color)
        return;
    m_colors[int(slot)] = color;
    m_scheme = MenuColorScheme::Custom;
}

MenuLook ProgramMenuLook()
{
    MenuLook look;
    look.setColor(MenuColorSlot::Back, C::rgb(255, 255, 255));
    look.setColor(MenuColorSlot::ImageBack, C::system(C::ButtonFace));
    look.setColor(MenuColorSlot::Line, C::system(C::GrayText));
    look.setColor(MenuColorSlot::Text, C::system(C::MenuText));
    look.setColor(MenuColorSlot::DisableText, C::system(C::GrayText));
    look.setColor(MenuColorSlot::Shadow, C::system(C::DarkShadow3D));
    look.setColor(MenuColorSlot::Check, C::system(C::DarkShadow3D));
    look.setColor(MenuColorSlot::SelectedBack, C::rgb(198, 211, 239));
    look.setColor(MenuColorSlot::SelectedBorder, C::rgb(49, 105, 198));
    look.setColor(MenuColorSlot::SelectedText, C::system(C::MenuText));
    look.setColor(MenuColorSlot::SelectedCheck, C::system(C::DarkShadow3D));
    look.setColor(MenuColorSlot::MenuBar, C::system(C::ButtonFace));
    // Set one by one from Windows: the look is custom even where a colour did not change.
    look.setColorScheme(MenuColorScheme::Custom);
    return look;
}

MenuLook DarkDesktopMenuLook(MenuLook look)
{
    look.setColor(MenuColorSlot::Back, C::system(C::MenuBack));
    look.setColor(MenuColorSlot::ImageBack, C::system(C::ButtonFace));
    look.setColor(MenuColorSlot::MenuBar, C::system(C::ButtonFace));
    look.setColor(MenuColorSlot::Text, C::system(C::MenuText));
    look.setColor(MenuColorSlot::DisableText, C::system(C::GrayText));
    look.setColor(MenuColorSlot::SelectedBack, C::system(C::Highlight));
    look.setColor(MenuColorSlot::SelectedBorder, C::system(C::Highlight));
    look.setColor(MenuColorSlot::SelectedText, C::system(C::HighlightText));
    return look;
}

ImageColumn MenuImageColumn(
    const MenuLook &look, int imageWidth, int imageHeight, int itemHeight, bool menuBarItem)
{
    ImageColumn column;
    if (imageWidth > 0) {
        column = { imageWidth + 2, imageHeight + 2 };
    } else {
        column = { itemHeight, 0 };
    }
    if (menuBarItem)
        column.width = 0;
    if (column.width != 0) {
        if (!look.centerImageX)
            column.width += look.imagePosX;
        if (!look.centerImageY)
            column.height += look.imagePosY;
        if (look.showImageShadow) {
            if (look.shadowPosX > 0)
                column.width += look.shadowPosX;
            column.height += std::abs(look.shadowPosY);
        }
    }
    return column;
}

ItemSize MeasureMenuItem(const ImageColumn &column, const std::vector<int> &lineWidths,
    int shortcutWidth, bool hasShortcut, bool hasSubMenu, int textHeight, ItemSize defaults,
    bool separator)
{
    ItemSize size = defaults;
    size.height = std::max(size.height, column.height);
    if (separator)
        return size;
    for (const int line : lineWidths)
        size.width = std::max(size.width,
            hasShortcut ? line + shortcutWidth + column.width + 25 : line + column.width);
    if (hasSubMenu)
        size.width += 13;
    size.height = std::max(size.height, int(lineWidths.size()) * textHeight + 8);
    return size;
}

std::vector<std::array<std::array<int, 2>, 3>> CheckChevron(int x, int y, bool rightToLeft)
{
    std::vector<std::array<std::array<int, 2>, 3>> lines;
    const int mirror = rightToLeft ? -1 : 1;
    for (const int k : { 0, 1, 3, 4 }) {
        lines.push_back({ { { x + mirror * -k, y }, { x + mirror * (-k + 3), y + 3 },
            { x + mirror * (-k - 1), y + 7 } } });
    }
    return lines;
}

std::vector<int> ShadowMask(const std::vector<bool> &imagePixels, int w, int h, int alpha)
{
    const int mw = w + 2, mh = h + 2;
    std::vector<int> mask(std::size_t(mw) * mh, 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (imagePixels[std::size_t(y) * w + x])
                mask[std::size_t(y + 1) * mw + x + 1] = alpha;
    std::vector<int> blurred(mask.size(), 0);
    for (int y = 1; y < mh - 1; ++y) {
        for (int x = 1; x < mw - 1; ++x) {
            int sum = 0;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    sum += mask[std::size_t(y + dy) * mw + x + dx];
            blurred[std::size_t(y) * mw + x] = sum / 9;
        }
    }
    return blurred;
}

} // namespace molvane
