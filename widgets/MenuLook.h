#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace molvane {

/// A menu colour: an RGB value, or one of the desktop's colours by its role.
struct MenuColor
{
    enum Role { Rgb, ButtonFace, Highlight, HighlightText, DarkShadow3D, GrayText, MenuText };
    Role role = Rgb;
    std::uint8_t r = 0, g = 0, b = 0;

    static constexpr MenuColor rgb(int r, int g, int b)
    {
        return { Rgb, std::uint8_t(r), std::uint8_t(g), std::uint8_t(b) };
    }
    static constexpr MenuColor system(Role role) { return { role, 0, 0, 0 }; }
    friend bool operator==(const MenuColor &, const MenuColor &) = default;
};

enum class MenuColorScheme {
    csWindows,
    csBlue,
    csOlive,
    csSilver,
    csSky,
    csBlack,
    csOrange,
    csPurple,
    csGreen,
    csRed,
    csCustom
};

enum class SelectionShape { ssRect, ssRoundRect };

/// The twelve colours of a menu's look, in their published order.
enum MenuColorSlot {
    BackColor,
    ImageBackColor,
    LineColor,
    TextColor,
    DisableTextColor,
    ShadowColor,
    CheckColor,
    SelectedBackColor,
    SelectedBorderColor,
    SelectedTextColor,
    SelectedCheckColor,
    MenuBarColor,
    MenuColorCount
};

/// How the program's menus look: colours by scheme or set one by one, the selection box,
/// the image column and its shadow.
class MenuLook
{
public:
    MenuLook(); ///< csWindows and the other defaults

    MenuColorScheme ColorScheme() const { return m_scheme; }
    /// Sets all twelve colours from the scheme's table; csCustom keeps them.
    void SetColorScheme(MenuColorScheme scheme);
    const MenuColor &Color(MenuColorSlot slot) const { return m_colors[slot]; }
    /// Any colour set to a new value makes the scheme csCustom.
    void SetColor(MenuColorSlot slot, MenuColor color);

    SelectionShape shape = SelectionShape::ssRoundRect;
    int CurvatureX = 5, CurvatureY = 5;
    int ShadowPosX = 1, ShadowPosY = 1;
    std::string fontFace = "Tahoma";
    bool ShowImageShadow = true;
    bool RTLReading = false;
    int ShadowAlpha = 150;
    int ImagePosX = 1, ImagePosY = 1;
    bool CenterImageX = true, CenterImageY = true;

private:
    MenuColorScheme m_scheme = MenuColorScheme::csWindows;
    std::array<MenuColor, MenuColorCount> m_colors;
};

/// The main window's own look: csCustom with a white back and a blue selection box.
MenuLook ProgramMenuLook();

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

/// One channel blended towards the shadow colour: v + a * (s - v) / 255.
inline int BlendChannel(int v, int a, int s)
{
    return v + a * (s - v) / 255;
}

} // namespace molvane
