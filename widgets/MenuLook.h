#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace molvane {

/// A menu colour: an RGB value, or one of the desktop's colours by its role.
struct MenuColor
{
    enum Role {
        Rgb,
        ButtonFace,
        Highlight,
        HighlightText,
        DarkShadow3D,
        GrayText,
        MenuText,
        MenuBack
    };
    Role role = Rgb;
    std::uint8_t r = 0, g = 0, b = 0;

    static constexpr MenuColor rgb(int r, int g, int b)
    {
        return { Rgb, std::uint8_t(r), std::uint8_t(g), std::uint8_t(b) };
    }
    static constexpr MenuColor system(Role role) { return { role, 0, 0, 0 }; }
    friend bool operator==(const MenuColor &, const MenuColor &) = default;
};

/// Windows: the desktop's own menu colours, the default. Custom: colours set one by one.
enum class MenuColorScheme { Windows, Custom };

enum class SelectionShape { Rect, RoundRect };

/// The twelve colours of a menu's look, in their published order.
enum class MenuColorSlot {
    Back,
    ImageBack,
    Line,
    Text,
    DisableText,
    Shadow,
    Check,
    SelectedBack,
    SelectedBorder,
    SelectedText,
    SelectedCheck,
    MenuBar,
};
inline constexpr int MenuColorSlotCount = 12;

/// How the program's menus look: colours by scheme or set one by one, the selection box,
/// the image column and its shadow.
class MenuLook
{
public:
    MenuLook(); ///< Windows and the other defaults

    MenuColorScheme colorScheme() const { return m_scheme; }
    /// Windows sets all twelve colours to the desktop's; Custom keeps them.
    void setColorScheme(MenuColorScheme scheme);
    const MenuColor &color(MenuColorSlot slot) const { return m_colors[int(slot)]; }
    /// Any colour set to a new value makes the scheme Custom.
    void setColor(MenuColorSlot slot, MenuColor color);

    SelectionShape shape = SelectionShape::RoundRect;
    int curvatureX = 5, curvatureY = 5;
    int shadowPosX = 1, shadowPosY = 1;
    bool showImageShadow = true;
    int shadowAlpha = 150;
    int imagePosX = 1, imagePosY = 1;
    bool centerImageX = true, centerImageY = true;

private:
    MenuColorScheme m_scheme = MenuColorScheme::Windows;
    std::array<MenuColor, MenuColorSlotCount> m_colors;
};

/// The main window's own look: Custom with a white back and a blue selection box.
MenuLook ProgramMenuLook();

/// @p look on a dark desktop: its own back and selection would put the desktop's light text
/// on light colours, so back, text and selection come from the desktop's, whose selection
/// stands out from both. Shape, shadow and image places stay.
MenuLook DarkDesktopMenuLook(MenuLook look);

/// The image column of an item: width and height before the toolkit's own size is applied.
struct ImageColumn
{
    int width = 0, height = 0;
};

/// @p imageWidth/@p imageHeight: the menu's image size (0 without images); @p itemHeight: the
/// item's default height; a top-level bar item without an image has no column.
ImageColumn MenuImageColumn(
    const MenuLook &look, int imageWidth, int imageHeight, int itemHeight, bool menuBarItem);

/// Width and height of a drop-down item from its caption lines' text widths, the shortcut's
/// width appended to each line, the text height and the default size.
struct ItemSize
{
    int width = 0, height = 0;
};
ItemSize MeasureMenuItem(const ImageColumn &column, const std::vector<int> &lineWidths,
    int shortcutWidth, bool hasShortcut, bool hasSubMenu, int textHeight, ItemSize defaults,
    bool separator);

/// The double chevron of a checked item without an image: four polylines of three points
/// around (x, y), mirrored about x in a right-to-left menu.
std::vector<std::array<std::array<int, 2>, 3>> CheckChevron(int x, int y, bool rightToLeft);

/// The soft shadow's opacity mask: @p imagePixels marks (w x h) the image's own pixels; the
/// result is (w + 2) x (h + 2), each inner cell the mean of its 3 x 3 neighbourhood of a mask
/// holding @p alpha under the image, the border zero.
std::vector<int> ShadowMask(const std::vector<bool> &imagePixels, int w, int h, int alpha);

} // namespace molvane
