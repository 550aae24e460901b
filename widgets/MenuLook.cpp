#include "widgets/MenuLook.h"

#include <algorithm>
#include <cstdlib>

namespace molvane {

namespace {

using C = MenuColor;

struct SchemeRow
{
    MenuColor back, menuBar, imageBack, selectedBack, selectedBorder, lineAndDisabled, selectedText,
        selectedCheck;
};

// One row per scheme, Windows to Red.
const SchemeRow Schemes[] = {
    { C::rgb(255, 255, 255), C::system(C::ButtonFace), C::system(C::ButtonFace),
        C::system(C::Highlight), C::system(C::DarkShadow3D), C::system(C::GrayText),
        C::system(C::HighlightText), C::system(C::DarkShadow3D) },
    { C::rgb(227, 237, 248), C::rgb(138, 175, 229), C::rgb(138, 175, 229), C::rgb(204, 230, 242),
        C::rgb(36, 86, 162), C::rgb(138, 175, 229), C::rgb(0, 0, 0), C::rgb(0, 0, 0) },
    { C::rgb(234, 240, 207), C::rgb(180, 194, 143), C::rgb(180, 194, 143), C::rgb(232, 243, 216),
        C::rgb(82, 94, 51), C::rgb(180, 194, 143), C::rgb(0, 0, 0), C::rgb(0, 0, 0) },
    { C::rgb(243, 243, 247), C::rgb(216, 216, 230), C::rgb(185, 185, 210), C::rgb(172, 170, 183),
        C::rgb(70, 70, 108), C::rgb(185, 185, 210), C::rgb(0, 0, 0), C::rgb(0, 0, 0) },
    { C::rgb(218, 234, 253), C::rgb(195, 217, 250), C::rgb(135, 180, 245), C::rgb(217, 241, 253),
        C::rgb(13, 66, 147), C::rgb(136, 174, 228), C::rgb(0, 0, 0), C::rgb(0, 0, 0) },
    { C::rgb(193, 198, 207), C::rgb(83, 83, 83), C::rgb(83, 83, 83), C::rgb(168, 168, 168),
        C::rgb(0, 0, 0), C::rgb(58, 58, 58), C::rgb(216, 223, 225), C::rgb(216, 223, 225) },
    { C::rgb(251, 233, 159), C::rgb(255, 204, 102), C::rgb(242, 164, 0), C::rgb(254, 225, 112),
        C::rgb(130, 87, 0), C::rgb(255, 154, 2), C::rgb(0, 0, 0), C::rgb(0, 0, 0) },
    { C::rgb(255, 215, 255), C::rgb(255, 51, 255), C::rgb(255, 51, 255), C::rgb(175, 0, 152),
        C::rgb(81, 0, 81), C::rgb(255, 153, 255), C::rgb(255, 255, 255), C::rgb(0, 0, 72) },
    { C::rgb(80, 192, 66), C::rgb(52, 128, 43), C::rgb(52, 128, 43), C::rgb(174, 210, 164),
        C::rgb(52, 128, 43), C::rgb(52, 128, 43), C::rgb(0, 0, 0), C::rgb(0, 0, 0) },
    { C::rgb(245, 220, 220), C::rgb(132, 38, 38), C::rgb(132, 38, 38), C::rgb(224, 124, 109),
        C::rgb(50, 14, 14), C::rgb(202, 70, 70), C::rgb(255, 255, 255), C::rgb(255, 255, 255) },
};

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
    const SchemeRow &row = Schemes[int(scheme)];
    const bool windows = scheme == MenuColorScheme::Windows;
    m_colors[int(MenuColorSlot::Back)] = row.back;
    m_colors[int(MenuColorSlot::MenuBar)] = row.menuBar;
    m_colors[int(MenuColorSlot::ImageBack)] = row.imageBack;
    m_colors[int(MenuColorSlot::SelectedBack)] = row.selectedBack;
    m_colors[int(MenuColorSlot::SelectedBorder)] = row.selectedBorder;
    m_colors[int(MenuColorSlot::Line)] = m_colors[int(MenuColorSlot::DisableText)]
        = row.lineAndDisabled;
    m_colors[int(MenuColorSlot::SelectedText)] = row.selectedText;
    m_colors[int(MenuColorSlot::SelectedCheck)] = row.selectedCheck;
    m_colors[int(MenuColorSlot::Text)] = windows ? C::system(C::MenuText) : C::rgb(0, 0, 0);
    m_colors[int(MenuColorSlot::Shadow)] = m_colors[int(MenuColorSlot::Check)]
        = windows ? C::system(C::DarkShadow3D) : C::rgb(0, 0, 0);
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
