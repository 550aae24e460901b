#include "document/FontChoices.h"

#include "grid/GridItems.h"

#include <algorithm>
#include <array>

namespace molvane {

namespace {

constexpr ColorValue system(int index)
{
    return ColorValue(0xFF000000u | std::uint32_t(index));
}

constexpr auto Colors = std::to_array<NamedColor>({
    { "Black", 0x000000 },
    { "Maroon", 0x000080 },
    { "Green", 0x008000 },
    { "Olive", 0x008080 },
    { "Navy", 0x800000 },
    { "Purple", 0x800080 },
    { "Teal", 0x808000 },
    { "Gray", 0x808080 },
    { "Silver", 0xC0C0C0 },
    { "Red", 0x0000FF },
    { "Lime", 0x00FF00 },
    { "Yellow", 0x00FFFF },
    { "Blue", 0xFF0000 },
    { "Fuchsia", 0xFF00FF },
    { "Aqua", 0xFFFF00 },
    { "White", 0xFFFFFF },
    { "Money Green", 0xC0DCC0 },
    { "Sky Blue", 0xF0CAA6 },
    { "Cream", 0xF0FBFF },
    { "Medium Gray", 0xA4A0A0 },
    { "Scroll Bar", system(0) },
    { "Background", system(1) },
    { "Active Caption", system(2) },
    { "Inactive Caption", system(3) },
    { "Menu", system(4) },
    { "Window", system(5) },
    { "Window Frame", system(6) },
    { "Menu Text", system(7) },
    { "Window Text", system(8) },
    { "Caption Text", system(9) },
    { "Active Border", system(10) },
    { "Inactive Border", system(11) },
    { "Application Workspace", system(12) },
    { "Highlight", system(13) },
    { "Highlight Text", system(14) },
    { "Button Face", system(15) },
    { "Button Shadow", system(16) },
    { "Gray Text", system(17) },
    { "Button Text", system(18) },
    { "Inactive Caption Text", system(19) },
    { "Button Highlight", system(20) },
    { "3D Dark Shadow", system(21) },
    { "3D Light", system(22) },
    { "Info Text", system(23) },
    { "Info Background", system(24) },
});

} // namespace

std::span<const NamedColor> ColorListEntries()
{
    return Colors;
}

int FindColorEntry(ColorValue value)
{
    const auto found = std::find_if(
        Colors.begin(), Colors.end(), [value](const NamedColor &c) { return c.value == value; });
    return found == Colors.end() ? -1 : int(found - Colors.begin());
}

DocumentFont ApplyFontControls(const DocumentFont &font, const FontControls &controls)
{
    DocumentFont result = font;
    if (!controls.face.empty())
        result.face = controls.face;
    result.size = FieldNumber(controls.size, 1);
    result.color = controls.color;
    result.bold = controls.bold;
    result.italic = controls.italic;
    return result;
}

} // namespace molvane
