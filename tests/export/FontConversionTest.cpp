// System colours read from the application's palette on the offscreen platform.
#include "export/FontConversion.h"
#include "OffscreenGuiApplication.h"
#include "document/FontChoices.h"

#include <QGuiApplication>
#include <QPalette>

#include <gtest/gtest.h>

#include <memory>
#include <string_view>

using namespace molvane;

namespace {

const auto *const Gui = ::testing::AddGlobalTestEnvironment(new OffscreenGuiApplication);

struct SystemColorCase
{
    std::string_view name;
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

constexpr SystemColorCase SystemColors[] = {
    { "Scroll Bar", QPalette::Active, QPalette::Button },
    { "Background", QPalette::Active, QPalette::Window },
    { "Active Caption", QPalette::Active, QPalette::Highlight },
    { "Inactive Caption", QPalette::Active, QPalette::Dark },
    { "Menu", QPalette::Active, QPalette::Window },
    { "Window", QPalette::Active, QPalette::Base },
    { "Window Frame", QPalette::Active, QPalette::WindowText },
    { "Menu Text", QPalette::Active, QPalette::WindowText },
    { "Window Text", QPalette::Active, QPalette::WindowText },
    { "Caption Text", QPalette::Active, QPalette::HighlightedText },
    { "Active Border", QPalette::Active, QPalette::Button },
    { "Inactive Border", QPalette::Active, QPalette::Button },
    { "Application Workspace", QPalette::Active, QPalette::Mid },
    { "Highlight", QPalette::Active, QPalette::Highlight },
    { "Highlight Text", QPalette::Active, QPalette::HighlightedText },
    { "Button Face", QPalette::Active, QPalette::Button },
    { "Button Shadow", QPalette::Active, QPalette::Dark },
    { "Gray Text", QPalette::Disabled, QPalette::Text },
    { "Button Text", QPalette::Active, QPalette::ButtonText },
    { "Inactive Caption Text", QPalette::Active, QPalette::Midlight },
    { "Button Highlight", QPalette::Active, QPalette::Light },
    { "3D Dark Shadow", QPalette::Active, QPalette::Shadow },
    { "3D Light", QPalette::Active, QPalette::Midlight },
    { "Info Text", QPalette::Active, QPalette::ToolTipText },
    { "Info Background", QPalette::Active, QPalette::ToolTipBase },
};

ColorValue listed(std::string_view name)
{
    for (const NamedColor &entry : ColorListEntries())
        if (entry.name == name)
            return entry.value;
    ADD_FAILURE() << "no colour named " << name;
    return 0;
}

// Every group and role a colour of its own, so a wrong role cannot pass by sharing one.
QPalette distinctPalette()
{
    QPalette palette;
    int next = 1;
    for (const QPalette::ColorGroup group :
        { QPalette::Active, QPalette::Inactive, QPalette::Disabled })
        for (int role = 0; role < QPalette::NColorRoles; ++role, ++next)
            palette.setColor(
                group, QPalette::ColorRole(role), QColor::fromRgb(next, 255 - next, 7));
    return palette;
}

TEST(SystemColors, EachNamesThePaletteRoleOfItsPart)
{
    const QPalette before = QGuiApplication::palette();
    QGuiApplication::setPalette(distinctPalette());
    for (const SystemColorCase &c : SystemColors)
        EXPECT_EQ(ToQColor(listed(c.name)), QGuiApplication::palette().color(c.group, c.role))
            << c.name;
    QGuiApplication::setPalette(before);
}

TEST(SystemColors, OnlyTextsAndShadowsAreDark)
{
    // With the platform's palette the surfaces, and the texts drawn on dark bars, are light.
    for (const SystemColorCase &c : SystemColors) {
        const int lightness = ToQColor(listed(c.name)).lightness();
        if (c.role == QPalette::Shadow)
            EXPECT_LT(lightness, QGuiApplication::palette().color(QPalette::Dark).lightness());
        else if (c.role == QPalette::WindowText || c.role == QPalette::ButtonText
            || c.role == QPalette::ToolTipText)
            EXPECT_LT(lightness, 64) << c.name;
        else
            EXPECT_GT(lightness, 96) << c.name;
    }
}

TEST(SystemColors, AnUnknownIndexIsWindowText)
{
    EXPECT_EQ(
        ToQColor(ColorValue(0xFF000063u)), QGuiApplication::palette().color(QPalette::WindowText));
}

} // namespace
