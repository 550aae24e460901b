#pragma once

#include "document/Document.h"
#include "document/DocumentFont.h"
#include "texts/InterfaceLanguage.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace molvane {

/// The HTML size (1 to 7) of a font of @p points.
int HtmlFontSize(int points);

/// Six upper-case hexadecimal digits of a colour value, lowest byte first (red, green, blue
/// for 0x00BBGGRR); the high byte is ignored.
std::string HtmlColorDigits(ColorValue color);

/// @p text with "&", "<", ">" and '"' written as character entities.
std::string EscapeHtml(std::string_view text);

/// The opening tag of @p font, followed by <b> and <i> as the font is bold and italic.
std::string FontOpenTag(const DocumentFont &font);

/// </i> and </b> as the font is italic and bold, then </font>.
std::string FontCloseTag(const DocumentFont &font);

/// The reaction as a page line: every coefficient digit in the numbers font, every other
/// digit in the subscripts font, the arrow as a symbol-font glyph, the rest as it stands.
std::string HtmlReactionLine(
    std::string_view reaction, const DocumentFont &numbersFont, const DocumentFont &subscriptsFont);

/// One table row: a cell per text in the grid font, <td>&nbsp;</td> for an empty one.
std::string HtmlTableRow(const std::vector<std::string_view> &cells, const DocumentFont &gridFont);

/// The working of a reaction, for a page that hands it in under the table.
struct PageWorking
{
    std::string reaction; ///< normalised, as Balance reads it
    UiLanguage language = UiLanguage::English;
};

/// The working as page lines: a rule, then the working and the half-reactions, each under its
/// heading as preformatted text; in Farsi the whole reads from the right, each equation still
/// left to right.
std::vector<std::string> HtmlWorkingLines(const PageWorking &working);

/// The lines of the page: the reaction in its fonts, then the whole grid as a bordered table,
/// then the working when one is given. Line 1 declares the Windows-1256 charset, and every
/// text taken from the document is escaped, so that the page shows what the document holds.
std::vector<std::string> HtmlPageLines(const Document &document, std::string_view title,
    const std::optional<PageWorking> &working = std::nullopt);

/// The page's bytes: Windows-1256, every line ended by CR LF; a character that Windows-1256
/// lacks is written as a character reference.
QByteArray HtmlPage(const Document &document, std::string_view title,
    const std::optional<PageWorking> &working = std::nullopt);

/// Writes the page to @p path through a new file renamed over the old one; the document does
/// not change. Throws DocumentWriteError.
void ExportHtml(const Document &document, std::string_view title, const QString &path,
    const std::optional<PageWorking> &working = std::nullopt);

/// The file name for a chosen @p name: ".html" appended when the name has no extension.
QString WithHtmlExtension(const QString &name);

} // namespace molvane
