#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace molvane {

/// Where typed or pasted text goes. Each place refuses what saving and reopening the document
/// would lose or corrupt.
enum class TextField {
    Cell,
    ItemName,
    Formula,
    Number, ///< a size, position or width of the Options dialog: digits 0-9 only
};

/// Why a character was refused; the status bar names it.
enum class Refusal {
    None,
    NotInCodePage, ///< documents are single-byte Windows-1256 text
    Comma, ///< separates the cells and names of a saved row
    Colon, ///< separates name, type and width of an item in the Options dialog
    LineBreak, ///< ends a line of the saved document; NUL ends its text
    NotADigit, ///< a number field reads digits only
    NotANumber, ///< a pasted text in a number column
    OutsideGrid, ///< pasted cells that reach past the grid's last row or column
};

/// Whether the documents' code page has a character. The application answers it with the
/// same codec that saves documents, so the two can never disagree.
using CodePageHas = std::function<bool(char32_t)>;

/// The best fit of a character the code page lacks: Farsi yeh to Arabic yeh, Persian and
/// Arabic-Indic digits to 0-9, the Arabic decimal separator to "."; any other character
/// unchanged.
char32_t BestFit(char32_t c);

/// Whether @p field accepts @p c after its best fit, and if not, why.
Refusal CheckTyped(TextField field, char32_t c, const CodePageHas &has);

/// A typed or pasted text after best fit, or the first refusal; a refused text is refused
/// whole, so that nothing is dropped from it silently.
struct FittedText
{
    std::u32string text;
    Refusal refusal = Refusal::None;
};

FittedText FitInput(TextField field, std::u32string_view typed, const CodePageHas &has);

} // namespace molvane
