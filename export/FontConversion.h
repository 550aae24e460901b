#pragma once

#include "document/DocumentFont.h"
#include "export/ReactionPainter.h"

#include <QColor>
#include <QFont>

#include <array>

namespace molvane {

/// The colour a stored value names: 0x00BBGGRR, or a system colour by the low byte when the
/// high byte is 0xFF (taken from the application's palette).
QColor ToQColor(ColorValue value);
/// As ToQColor, but the window-text colour, the fonts' default, is @p defaultText.
QColor ToQColor(ColorValue value, const QColor &defaultText);
QFont ToQFont(const DocumentFont &font);

/// The reaction editor's fonts from a document's fonts and subscript position; the
/// window-text colour is left as the default (invalid).
ReactionFonts ToReactionFonts(
    const std::array<DocumentFont, DocumentFontCount> &fonts, int subscriptPosition);

} // namespace molvane
