#include "widgets/MenuLook.h"

#include <gtest/gtest.h>

using namespace molvane;

namespace {

TEST(MenuLook, TheDefaultIsTheDesktopsColours)
{
    MenuLook look;
    EXPECT_EQ(look.colorScheme(), MenuColorScheme::Windows);
    EXPECT_EQ(look.color(MenuColorSlot::Text), MenuColor::system(MenuColor::MenuText));
    EXPECT_EQ(look.color(MenuColorSlot::Line), look.color(MenuColorSlot::DisableText));
}

TEST(MenuLook, SettingAColourMakesTheSchemeCustom)
{
    MenuLook look;
    look.setColor(MenuColorSlot::Back, MenuColor::rgb(255, 255, 255)); // the same value: no change
    EXPECT_EQ(look.colorScheme(), MenuColorScheme::Windows);
    look.setColor(MenuColorSlot::Back, MenuColor::rgb(1, 2, 3));
    EXPECT_EQ(look.colorScheme(), MenuColorScheme::Custom);
    EXPECT_EQ(look.color(MenuColorSlot::MenuBar),
        MenuColor::system(MenuColor::ButtonFace)); // the rest stays
    look.setColorScheme(MenuColorScheme::Custom);
    EXPECT_EQ(look.color(MenuColorSlot::Back), MenuColor::rgb(1, 2, 3));
}

TEST(MenuLook, TheProgramsOwnLook)
{
    const MenuLook look = ProgramMenuLook();
    EXPECT_EQ(look.colorScheme(), MenuColorScheme::Custom);
    EXPECT_EQ(look.color(MenuColorSlot::SelectedBack), MenuColor::rgb(198, 211, 239));
    EXPECT_EQ(look.color(MenuColorSlot::SelectedBorder), MenuColor::rgb(49, 105, 198));
    EXPECT_EQ(look.color(MenuColorSlot::SelectedText), MenuColor::system(MenuColor::MenuText));
    EXPECT_EQ(look.shape, SelectionShape::RoundRect);
    EXPECT_EQ(look.shadowAlpha, 150);
}

TEST(MenuImageColumn, SizeFromImagesShadowAndPlacement)
{
    MenuLook look;
    // 16-pixel images: 18 + 1 for the shadow's x offset, 18 + 1 for its y offset.
    EXPECT_EQ(MenuImageColumn(look, 16, 16, 22, false).width, 19);
    EXPECT_EQ(MenuImageColumn(look, 16, 16, 22, false).height, 19);
    // Without images the column is as wide as the item is high.
    EXPECT_EQ(MenuImageColumn(look, 0, 0, 22, false).width, 23);
    EXPECT_EQ(MenuImageColumn(look, 16, 16, 22, true).width, 0);
    look.showImageShadow = false;
    look.centerImageX = false;
    EXPECT_EQ(MenuImageColumn(look, 16, 16, 22, false).width, 19);
    EXPECT_EQ(MenuImageColumn(look, 16, 16, 22, false).height, 18);
}

TEST(MeasureMenuItem, LinesShortcutsAndSubMenus)
{
    const ImageColumn column { 19, 19 };
    EXPECT_EQ(MeasureMenuItem(column, { 50 }, 0, false, false, 14, { 10, 20 }, false).width, 69);
    EXPECT_EQ(MeasureMenuItem(column, { 50 }, 30, true, false, 14, { 10, 20 }, false).width, 124);
    EXPECT_EQ(MeasureMenuItem(column, { 50 }, 0, false, true, 14, { 10, 20 }, false).width, 82);
    // Two caption lines: as tall as two lines of text and 8 pixels.
    EXPECT_EQ(
        MeasureMenuItem(column, { 50, 40 }, 0, false, false, 14, { 10, 20 }, false).height, 36);
    const ItemSize separator = MeasureMenuItem(column, {}, 0, false, false, 14, { 10, 5 }, true);
    EXPECT_EQ(separator.height, 19);
    EXPECT_EQ(separator.width, 10);
}

TEST(CheckChevron, FourPolylinesMirroredRightToLeft)
{
    const auto ltr = CheckChevron(10, 20, false);
    ASSERT_EQ(ltr.size(), 4u);
    EXPECT_EQ(ltr[0][0][0], 10);
    EXPECT_EQ(ltr[0][1][0], 13);
    EXPECT_EQ(ltr[0][2][0], 9);
    EXPECT_EQ(ltr[3][2][1], 27);
    const auto rtl = CheckChevron(10, 20, true);
    for (std::size_t i = 0; i < 4; ++i)
        for (std::size_t p = 0; p < 3; ++p)
            EXPECT_EQ(rtl[i][p][0] - 10, 10 - ltr[i][p][0]);
}

TEST(ShadowMask, BlursTheImagePixelsInsideABorder)
{
    // One image pixel in a 1 x 1 image: the 3 x 3 mask holds 150 / 9 at its centre only.
    const std::vector<int> mask = ShadowMask({ true }, 1, 1, 150);
    ASSERT_EQ(mask.size(), 9u);
    EXPECT_EQ(mask[4], 16);
    EXPECT_EQ(mask[0], 0);
    // A full 3 x 3 image: the centre sees nine image pixels.
    const std::vector<int> full = ShadowMask(std::vector<bool>(9, true), 3, 3, 90);
    EXPECT_EQ(full[2 * 5 + 2], 90);
    EXPECT_EQ(full[1 * 5 + 1], 40);
    EXPECT_EQ(full[0], 0);
}

} // namespace
