#pragma once

#include "document/DocumentFont.h"
#include "grid/GridModel.h"
#include "texts/InterfaceLanguage.h"

#include <array>
#include <string>
#include <vector>

namespace molvane {

/// Everything one piece of work holds: the reaction, the substance grid with its items and
/// `TypesList`, and the document's own settings. Texts are UTF-8; files hold Windows-1256.
/// The grid's row heights belong to the window, not to the document.
struct Document
{
    std::string reaction;
    UiLanguage language = UiLanguage::English;
    GridModel grid;
    std::array<DocumentFont, DocumentFontCount> fonts = builtInFonts();
    std::vector<std::string> FormulsList = builtInFormulas();
    int subscriptPosition = 0; ///< pixels the subscripts are raised

    /// The fonts in force before any template is read: Tahoma 8 and Arial 8 for the program
    /// and the grid, Arial 14 bold for the reaction and (in blue) the coefficients, Arial 10
    /// bold for the subscripts.
    static std::array<DocumentFont, DocumentFontCount> builtInFonts();

    /// The formula lines in force before any template is read. They do not start with "#",
    /// so Calculate Grid never applies them; they are kept and stored like any other line.
    static std::vector<std::string> builtInFormulas();
};

/// The cells of grid row @p row, column 0 first.
std::vector<std::string_view> RowCells(const GridModel &grid, int row);

} // namespace molvane
