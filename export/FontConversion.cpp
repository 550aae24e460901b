#include "export/FontConversion.h"

#include <QGuiApplication>
#include <QPalette>

namespace molvane {

namespace {

// The system colours documents name by index, as the palette holds them here.
QPalette::ColorRole roleOfSystemColor(int index)
{
    switch (index) {
    case 5:
        return QPalette::Base; // window background
    case 13:
        return QPalette::Highlight;
    case 14:
        return QPalette::HighlightedText;
    case 15:
        return QPalette::Button; // button face
    case 18:
        return QPalette::ButtonText;
    default:
        return QPalette::WindowText; // window text and everything else
    }
}

} // namespace

QColor ToQColor(ColorValue value)
{
    const auto bits = std::uint32_t(value);
    if ((bits >> 24) == 0xFF)
        return QGuiApplication::palette().color(roleOfSystemColor(int(bits & 0xFF)));
    return QColor(int(bits & 0xFF), int((bits >> 8) & 0xFF), int((bits >> 16) & 0xFF));
}

QColor ToQColor(ColorValue value, const QColor &defaultText)
{
    const auto bits = std::uint32_t(value);
    if ((bits >> 24) == 0xFF && roleOfSystemColor(int(bits & 0xFF)) == QPalette::WindowText)
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
