#include "document/Document.h"

namespace molvane {

std::array<DocumentFont, DocumentFontCount> Document::builtInFonts()
{
    const DocumentFont reactionFont { "Arial", 14, true, false, WindowTextColor };
    DocumentFont numbersFont = reactionFont;
    numbersFont.color = BlueColor;
    return { DocumentFont { "Tahoma", 8, false, false, WindowTextColor },
        DocumentFont { "Arial", 8, false, false, WindowTextColor }, reactionFont, numbersFont,
        DocumentFont { "Arial", 10, true, false, WindowTextColor } };
}

std::vector<std::string> Document::builtInFormulas()
{
    return { "Mol(a),Mol(b)=Number(a),Number(b)", "Number(a),Number(b)=Mol(a),Mol(b)" };
}

std::vector<std::string_view> RowCells(const GridModel &grid, int row)
{
    std::vector<std::string_view> cells;
    cells.reserve(std::size_t(grid.colCount()));
    for (int col = 0; col < grid.colCount(); ++col)
        cells.emplace_back(grid.cell(col, row));
    return cells;
}

} // namespace molvane
