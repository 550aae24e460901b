#pragma once

#include <cstdint>
#include <string>

namespace molvane {

/// A colour value: 0x00BBGGRR, or with the high byte 0xFF a system colour by its low byte.
using ColorValue = std::int32_t;

/// The window-text system colour (high byte FF, index 8).
constexpr ColorValue WindowTextColor = std::int32_t(0xFF000008u);
/// Pure blue, the colour of the coefficients by default.
constexpr ColorValue BlueColor = 0x00FF0000;

/// A font as a document stores it: exactly these five properties.
struct DocumentFont
{
    std::string face;
    int size = 8; ///< points
    bool bold = false;
    bool italic = false;
    ColorValue color = WindowTextColor;

    friend bool operator==(const DocumentFont &, const DocumentFont &) = default;
};

/// The five document fonts, in the order a document stores them.
enum DocumentFontRole { ProgramFont, GridFont, ReactionFont, NumbersFont, SubscriptsFont };
constexpr int DocumentFontCount = 5;

} // namespace molvane
