#pragma once

#include "export/ReactionPainter.h"

#include <QImage>

#include <string>
#include <string_view>
#include <vector>

namespace molvane {

/// The reaction as an HTML fragment for word processors: the digits of a count as <sub>, a
/// charge as <sup> without its braces, the arrow as "→" and the hydrate's "*" as "·", with
/// blanks around "+" and the arrow; coefficients and states as they stand, all escaped.
std::string ReactionHtml(std::string_view reaction);

/// Cells as an HTML table with ruled cells, one row per inner vector, read from the right
/// when @p rightToLeft; texts escaped, an empty cell kept.
std::string CellTableHtml(const std::vector<std::vector<std::string>> &rows, bool rightToLeft);

/// The reaction in Windows-1256 bytes painted as the editor paints it, on white with a margin,
/// at @p pixelRatio device pixels per pixel.
QImage ReactionImage(std::string_view codePageText, const ReactionGlyphs &glyphs,
    int subscriptsPosition, qreal pixelRatio = 1);

} // namespace molvane
