#include "export/HtmlExport.h"

#include "core/ReactionCharacters.h"
#include "document/DocumentFiles.h"
#include "document/Windows1256.h"
#include "editor/ReactionLayout.h"
#include "texts/RedoxText.h"
#include "texts/Texts.h"
#include "texts/WorkingText.h"

#include <array>
#include <cstdint>

namespace molvane {

namespace {

void appendEscaped(std::string &out, std::string_view text)
{
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
}

std::string inFont(std::string_view text, const DocumentFont &font)
{
    return FontOpenTag(font) + EscapeHtml(text) + FontCloseTag(font);
}

} // namespace

int HtmlFontSize(int points)
{
    constexpr std::array<int, 6> upperBounds = { 8, 10, 12, 14, 18, 24 };
    int size = 1;
    for (const int bound : upperBounds) {
        if (points <= bound)
            return size;
        ++size;
    }
    return size;
}

std::string HtmlColorDigits(ColorValue color)
{
    constexpr char hex[] = "0123456789ABCDEF";
    const auto value = std::uint32_t(color);
    std::string digits;
    for (int shift = 0; shift < 24; shift += 8) {
        const unsigned byte = (value >> shift) & 0xFF;
        digits += hex[byte >> 4];
        digits += hex[byte & 0xF];
    }
    return digits;
}

std::string EscapeHtml(std::string_view text)
{
    std::string escaped;
    escaped.reserve(text.size());
    appendEscaped(escaped, text);
    return escaped;
}

std::string FontOpenTag(const DocumentFont &font)
{
    std::string tag = "<font face=\"" + EscapeHtml(font.face) + "\" color=\"#"
        + HtmlColorDigits(font.color) + "\" size=\"" + std::to_string(HtmlFontSize(font.size))
        + "\">";
    if (font.bold)
        tag += "<b>";
    if (font.italic)
        tag += "<i>";
    return tag;
}

std::string FontCloseTag(const DocumentFont &font)
{
    std::string tag;
    if (font.italic)
        tag += "</i>";
    if (font.bold)
        tag += "</b>";
    return tag + "</font>";
}

std::string HtmlReactionLine(
    std::string_view reaction, const DocumentFont &numbersFont, const DocumentFont &subscriptsFont)
{
    std::string line;
    const std::vector<bool> coefficient = CoefficientDigits(reaction);
    const std::vector<bool> multiplier = MultiplierDigits(reaction);
    const std::vector<bool> charge = ChargeCharacters(reaction);
    bool raised = false;
    for (std::size_t i = 0; i < reaction.size(); ++i) {
        const char c = reaction[i];
        // A charge is raised, as a page writes it: Fe<sup>3+</sup>.
        if (charge[i] && (c == '{' || c == '}')) {
            line += c == '{' ? "<sup>" : "</sup>";
            raised = c == '{';
        } else if (multiplier[i])
            line += c; // part of the formula, in its font
        else if (coefficient[i])
            line += inFont(std::string_view(&c, 1), numbersFont);
        else if (IsDigit(c) && !charge[i])
            line += inFont(std::string_view(&c, 1), subscriptsFont);
        else if (c == '>')
            // Wingdings draws its byte E0 as an arrow, but where that face is missing the
            // byte shows as the letter "à"; the arrow character shows in any face
            line += "<font face=\"Wingdings\">&#8594;</font>";
        else if (c == '*')
            line += "&middot;"; // the dot that joins a hydrate's parts
        else
            line += EscapeHtml(std::string_view(&c, 1));
    }
    if (raised)
        line += "</sup>";
    return line;
}

std::string HtmlTableRow(const std::vector<std::string_view> &cells, const DocumentFont &gridFont)
{
    const std::string open = "<td>" + FontOpenTag(gridFont);
    const std::string close = FontCloseTag(gridFont) + "</td>";
    std::string row = "<tr>";
    for (const std::string_view cell : cells) {
        if (cell.empty()) {
            row += "<td>&nbsp;</td>";
            continue;
        }
        row += open;
        appendEscaped(row, cell);
        row += close;
    }
    return row + "</tr>";
}

namespace {

// A heading and a text as preformatted page lines, one per line of the text; the line
// breaks inside <pre> are its own.
void appendSection(
    std::vector<std::string> &lines, TextId heading, const std::string &text, UiLanguage language)
{
    lines.push_back("<h3>" + EscapeHtml(Text(heading, language)) + "</h3>");
    const std::size_t first = lines.size();
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(EscapeHtml(std::string_view(text).substr(start, end - start)));
    if (start < text.size())
        lines.push_back(EscapeHtml(std::string_view(text).substr(start)));
    lines[first] = "<pre>" + lines[first];
    lines.back() += "</pre>";
}

} // namespace

std::vector<std::string> HtmlWorkingLines(const PageWorking &working)
{
    const bool farsi = working.language == UiLanguage::Farsi;
    const std::string direction = farsi ? " dir=\"rtl\" lang=\"fa\"" : " lang=\"en\"";
    std::vector<std::string> lines = { "<hr>", "<div" + direction + ">" };
    appendSection(lines, TextId::WorkingTitle,
        ReactionWorkingText(working.reaction, working.language), working.language);
    appendSection(lines, TextId::RedoxTitle, ReactionRedoxText(working.reaction, working.language),
        working.language);
    lines.emplace_back("</div>");
    return lines;
}

std::vector<std::string> HtmlPageLines(
    const Document &doc, std::string_view title, const std::optional<PageWorking> &working)
{
    const DocumentFont &reactionFont = doc.fonts[ReactionFont];
    std::vector<std::string> lines = {
        "<html>",
        "<head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1256\">",
        "<title>" + EscapeHtml(title) + "</title>",
        "</head>",
        "<body>",
        FontOpenTag(reactionFont),
        HtmlReactionLine(doc.reaction, doc.fonts[NumbersFont], doc.fonts[SubscriptsFont]),
        FontCloseTag(reactionFont) + "<br>",
        "<table border=\"1\">",
    };
    for (int row = 0; row < doc.grid.rowCount(); ++row)
        lines.push_back(HtmlTableRow(RowCells(doc.grid, row), doc.fonts[GridFont]));
    if (working) {
        lines.emplace_back("</table>");
        for (std::string &line : HtmlWorkingLines(*working))
            lines.push_back(std::move(line));
        lines.emplace_back("</body>");
    } else {
        lines.emplace_back("</table></body>");
    }
    lines.emplace_back("</html>");
    return lines;
}

QByteArray HtmlPage(
    const Document &document, std::string_view title, const std::optional<PageWorking> &working)
{
    const std::vector<std::string> lines = HtmlPageLines(document, title, working);
    qsizetype size = 0;
    for (const std::string &line : lines)
        size += qsizetype(line.size()) + 2;
    QByteArray page;
    page.reserve(size);
    for (const std::string &line : lines) {
        AppendWindows1256Html(line, page);
        page.append("\r\n");
    }
    return page;
}

void ExportHtml(const Document &document, std::string_view title, const QString &path,
    const std::optional<PageWorking> &working)
{
    WriteFileReplacing(path, HtmlPage(document, title, working));
}

QString WithHtmlExtension(const QString &name)
{
    return WithExtension(name, ".html");
}

} // namespace molvane
