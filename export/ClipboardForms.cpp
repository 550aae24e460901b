#include "export/ClipboardForms.h"

#include "export/HtmlExport.h"

#include <QPainter>

#include <numeric>

namespace molvane {

namespace {

constexpr int ImageMargin = 4;
// Pasted into a page that may take another encoding first.
constexpr std::string_view Charset = "<meta charset=\"utf-8\">";

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

std::string ReactionHtml(std::string_view reaction)
{
    const std::vector<bool> coefficients = CoefficientDigits(reaction);
    const std::vector<bool> charge = ChargeCharacters(reaction);
    std::string html(Charset);
    bool inSup = false;
    for (std::size_t i = 0; i < reaction.size(); ++i) {
        const char c = reaction[i];
        if (charge[i] != inSup) {
            html += charge[i] ? "<sup>" : "</sup>";
            inSup = charge[i];
        }
        if (inSup) {
            if (c != '{' && c != '}')
                html += c == '-' ? "\u2212" : EscapeHtml(std::string_view(&c, 1));
        } else if (isDigit(c) && !coefficients[i]) {
            html += "<sub>" + std::string(1, c) + "</sub>";
        } else if (c == '>') {
            html += " \u2192 ";
        } else if (c == '+') {
            html += " + ";
        } else if (c == '*') {
            html += "\u00B7";
        } else {
            html += EscapeHtml(std::string_view(&c, 1));
        }
    }
    if (inSup)
        html += "</sup>";
    // Neighbouring subscript digits read as one count.
    for (std::size_t at; (at = html.find("</sub><sub>")) != std::string::npos;)
        html.erase(at, 11);
    return html;
}

std::string CellTableHtml(const std::vector<std::vector<std::string>> &rows, bool rightToLeft)
{
    std::string html(Charset);
    html += rightToLeft ? "<table border=\"1\" dir=\"rtl\">" : "<table border=\"1\">";
    for (const std::vector<std::string> &row : rows) {
        html += "<tr>";
        for (const std::string &cell : row)
            html += "<td>" + EscapeHtml(cell) + "</td>";
        html += "</tr>";
    }
    return html + "</table>";
}

QImage ReactionImage(std::string_view codePageText, const ReactionGlyphs &glyphs,
    int subscriptsPosition, qreal pixelRatio)
{
    const ReactionLayout layout = LayoutReaction(codePageText, 0, subscriptsPosition, glyphs);
    const int width = std::accumulate(layout.charWidths.begin(), layout.charWidths.end(), 0);
    const QSize size(width + 2 * ImageMargin, layout.imageHeight + 2 * ImageMargin);
    QImage image((QSizeF(size) * pixelRatio).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setClipRect(QRect(QPoint(ImageMargin, ImageMargin), size));
    PaintReactionLayout(
        painter, layout, glyphs, ReactionPaper {}, QPoint(ImageMargin, ImageMargin));
    return image;
}

} // namespace molvane
