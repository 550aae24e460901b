#pragma once

#include "document/DocumentFont.h"

#include <span>
#include <string>
#include <string_view>

namespace molvane {

/// An entry of the Options dialog's colour lists.
struct NamedColor
{
    std::string_view name;
    ColorValue value;
};

/// The 16 standard colours, four extended ones and the system colours, in list order.
std::span<const NamedColor> ColorListEntries();
/// The position of @p value in ColorListEntries(), or -1.
int FindColorEntry(ColorValue value);

/// One font row of the Options dialog as its controls hold it.
struct FontControls
{
    std::string face; ///< the face selected, or empty when none is
    std::string size; ///< the size field's digits
    ColorValue color = WindowTextColor;
    bool bold = false;
    bool italic = false;
};

/// @p font with the row's values. A row with no face selected keeps the font's face (one
/// that is not installed is not lost); an empty or unreadable size gives 1 point.
DocumentFont ApplyFontControls(const DocumentFont &font, const FontControls &controls);

} // namespace molvane
