#include "export/FontConversion.h"

#include <QGuiApplication>
#include <QPalette>

#include <iterator>

namespace molvane {

namespace {

struct PaletteColor
{
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// The system colours documents name by index (Scroll Bar, Background, ... Info Background),
// each taken from the palette role that draws the same part here.
constexpr PaletteColor SystemColors[] = {
    { QPalette::Active, QPalette::Button }, // scroll bar: drawn as a button
    { QPalette::Active, QPalette::Window }, // background
    { QPalette::Active, QPalette::Highlight }, // active caption
    { QPalette::Active, QPalette::Dark }, // inactive caption: a grey bar
    { QPalette::Active, QPalette::Window }, // menu: menus are drawn on the window colour
    { QPalette::Active, QPalette::Base }, // window: the background of text fields and lists
    { QPalette::Active, QPalette::WindowText }, // window frame
    { QPalette::Active, QPalette::WindowText }, // menu text
    { QPalette::Active, QPalette::WindowText }, // window text
    { QPalette::Active, QPalette::HighlightedText }, // caption text: on the active caption
    { QPalette::Active, QPalette::Button }, // active border
    { QPalette::Active, QPalette::Button }, // inactive border
    { QPalette::Active, QPalette::Mid }, // application workspace
    { QPalette::Active, QPalette::Highlight }, { QPalette::Active, QPalette::HighlightedText },
    { QPalette::Active, QPalette::Button }, // button face
    { QPalette::Active, QPalette::Dark }, // button shadow
    { QPalette::Disabled, QPalette::Text }, // gray text
    { QPalette::Active, QPalette::ButtonText },
    { QPalette::Active, QPalette::Midlight }, // inactive caption text: light on the grey bar
    { QPalette::Active, QPalette::Light }, // button highlight
    { QPalette::Active, QPalette::Shadow }, // 3D dark shadow
    { QPalette::Active, QPalette::Midlight }, // 3D light
    { QPalette::Active, QPalette::ToolTipText }, // info text
    { QPalette::Active, QPalette::ToolTipBase }, // info background
};

// The palette entry of a system colour; an index past the list, written by some other
// program, reads as window text.
PaletteColor systemColor(std::uint32_t bits)
{
    const std::size_t index = bits & 0xFF;
    return index < std::size(SystemColors)
        ? SystemColors[index]
        : PaletteColor { QPalette::Active, QPalette::WindowText };
}

bool isSystemColor(std::uint32_t bits)
{
    return (bits >> 24) == 0xFF;
}

} // namespace

QColor ToQColor(ColorValue value)
{
    const auto bits = std::uint32_t(value);
    if (isSystemColor(bits)) {
        const PaletteColor source = systemColor(bits);
        return QGuiApplication::palette().color(source.group, source.role);
    }
    return QColor(int(bits & 0xFF), int((bits >> 8) & 0xFF), int((bits >> 16) & 0xFF));
}

QColor ToQColor(ColorValue value, const QColor &defaultText)
{
    const auto bits = std::uint32_t(value);
    if (isSystemColor(bits) && systemColor(bits).role == QPalette::WindowText)
        return defaultText;
    return ToQColor(value);
}

QFont ToQFont(const DocumentFont &font)
{
    QFont result(QString::fromStdString(font.face));
    result.setPointSize(font.size > 0 ? font.size : 8);
    result.setBold(font.bold);
    result.setItalic(font.italic);
    return result;
}

ReactionFonts ToReactionFonts(
    const std::array<DocumentFont, DocumentFontCount> &fonts, int subscriptPosition)
{
    ReactionFonts result;
    result.reaction = ToQFont(fonts[ReactionFont]);
    result.numbers = ToQFont(fonts[NumbersFont]);
    result.subscripts = ToQFont(fonts[SubscriptsFont]);
    result.reactionColor = ToQColor(fonts[ReactionFont].color, QColor());
    result.numbersColor = ToQColor(fonts[NumbersFont].color, QColor());
    result.subscriptsColor = ToQColor(fonts[SubscriptsFont].color, QColor());
    result.subscriptsPosition = subscriptPosition;
    return result;
}

} // namespace molvane
