#include "document/DocumentFormat.h"
#include "core/Utf8.h"

#include "document/LineFields.h"
#include "document/Windows1256.h"
#include "grid/NumberText.h"

#include <algorithm>

namespace molvane {

namespace {

// Every cell of a file this program writes costs at least one byte (its comma or line end);
// a few thousand more allow hand-made files whose rows leave their cells out.
constexpr long long SpareCells = 4096;

// Line numbers of the fixed part; the rest follows the R grid rows.
constexpr std::size_t ReactionLine = 0, LanguageLine = 1, RowCountLine = 2, ColCountLine = 3,
                      WidthsLine = 4, FirstRowLine = 5;

// At most this much of an offending text is quoted in a message.
std::string quoted(std::string_view text)
{
    constexpr std::size_t limit = 40;
    if (text.size() <= limit)
        return '"' + std::string(text) + '"';
    std::size_t cut = limit;
    while (cut > 0 && IsUtf8Continuation(text[cut]))
        --cut; // keep whole UTF-8 characters
    return '"' + std::string(text.substr(0, cut)) + "...\"";
}

// A NUL ends the text.
QByteArrayView beforeNul(QByteArrayView bytes)
{
    const qsizetype nul = bytes.indexOf('\0');
    return nul < 0 ? bytes : bytes.first(nul);
}

class LineReader
{
public:
    explicit LineReader(QByteArrayView bytes)
        : m_byteCount(bytes.size())
        , m_text(FromWindows1256(beforeNul(bytes)))
        , m_lines(SplitLines(m_text))
    { }

    std::size_t count() const { return m_lines.size(); }
    long long byteCount() const { return m_byteCount; }

    std::string_view line(std::size_t index) const
    {
        if (index >= m_lines.size())
            throw DocumentReadError(static_cast<long long>(index),
                "missing: the file ends after line " + std::to_string(m_lines.size()));
        return m_lines[index];
    }

    int number(std::size_t index, std::string_view what) const
    {
        return numberIn(line(index), index, what);
    }

    static int numberIn(std::string_view text, std::size_t index, std::string_view what)
    {
        if (const std::optional<std::int32_t> value = ReadInteger(text))
            return *value;
        throw DocumentReadError(static_cast<long long>(index),
            std::string(what) + ' ' + quoted(text) + " is not a whole number");
    }

private:
    long long m_byteCount;
    std::string m_text;
    std::vector<std::string_view> m_lines;
};

UiLanguage languageOf(std::string_view marker)
{
    // anything but exactly "E" means Farsi
    return marker == "E" ? UiLanguage::English : UiLanguage::Farsi;
}

int readRowCount(const LineReader &in)
{
    const int rows = in.number(RowCountLine, "the row count");
    if (rows < 2)
        throw DocumentReadError(RowCountLine,
            "the row count " + std::to_string(rows) + " is below 2 (the header and one row)");
    if (FirstRowLine + std::size_t(rows) > in.count())
        throw DocumentReadError(RowCountLine,
            "the row count " + std::to_string(rows) + " needs more lines than the file has ("
                + std::to_string(in.count()) + ")");
    return rows;
}

int readColCount(const LineReader &in)
{
    const int cols = in.number(ColCountLine, "the column count");
    if (cols < 1)
        throw DocumentReadError(
            ColCountLine, "the column count " + std::to_string(cols) + " is below 1");
    // every column has a width, so the widths line has a comma between each two
    const std::string_view widths = in.line(WidthsLine);
    if (std::size_t(std::count(widths.begin(), widths.end(), ',')) < std::size_t(cols) - 1)
        throw DocumentReadError(
            WidthsLine, "fewer column widths than the column count " + std::to_string(cols));
    return cols;
}

void checkCellCount(const LineReader &in, int rows, int cols)
{
    if (static_cast<long long>(rows) * cols > in.byteCount() + SpareCells)
        throw DocumentReadError(ColCountLine,
            std::to_string(rows) + " rows of " + std::to_string(cols)
                + " columns are more cells than the file holds");
}

void readWidths(const LineReader &in, GridModel &grid)
{
    const auto fields = SplitFields(in.line(WidthsLine), std::size_t(grid.colCount()));
    for (int col = 0; col < grid.colCount(); ++col)
        grid.setColWidth(col,
            LineReader::numberIn(
                fields[col], WidthsLine, "column width " + std::to_string(col + 1)));
}

void readRow(const LineReader &in, int row, GridModel &grid)
{
    const std::size_t index = FirstRowLine + std::size_t(row);
    const auto fields = SplitFields(in.line(index), std::size_t(grid.colCount()));
    for (int col = 0; col < grid.colCount(); ++col)
        grid.setCell(col, row, std::string(fields[col]));
}

// Face, size, the bold and italic flags, colour; an empty face keeps the one the font had.
void readFont(const LineReader &in, std::size_t index, DocumentFont &font)
{
    std::string_view rest = in.line(index);
    if (const std::string_view face = TakeField(rest); !face.empty())
        font.face = face;
    font.size = LineReader::numberIn(TakeField(rest), index, "the font size");
    font.bold = rest.size() > 0 && rest[0] == '1';
    font.italic = rest.size() > 1 && rest[1] == '1';
    TakeField(rest);
    font.color = LineReader::numberIn(rest, index, "the font colour");
}

void readFonts(const LineReader &in, int rows, Document &doc)
{
    for (int role = 0; role < DocumentFontCount; ++role)
        readFont(in, FirstRowLine + std::size_t(rows) + std::size_t(role), doc.fonts[role]);
}

// The formulas, then every line up to the last as an item type; the last line is always the
// subscript position.
void readTail(const LineReader &in, int rows, Document &doc)
{
    const std::size_t countLine = FirstRowLine + std::size_t(rows) + DocumentFontCount;
    doc.FormulsList.clear();
    const int formulas = in.number(countLine, "the formula count");
    for (int i = 0; i < formulas; ++i)
        doc.FormulsList.emplace_back(in.line(countLine + 1 + std::size_t(i)));
    const std::size_t firstType = countLine + 1 + doc.FormulsList.size();
    std::vector<std::string> types;
    for (std::size_t i = firstType; i + 1 < in.count(); ++i)
        types.emplace_back(in.line(i));
    doc.grid.setTypesList(std::move(types));
    // the position comes after the formulas, never in place of one
    const std::size_t last = std::max(in.count(), firstType + 1) - 1;
    doc.subscriptPosition = in.number(last, "the subscript position");
}

bool breaksLine(std::string_view text)
{
    return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

const std::string &checkedLine(const std::string &text, std::string_view what)
{
    if (breaksLine(text))
        throw DocumentWriteError(std::string(what) + " holds a line break");
    return text;
}

// Every cell but the last of a row ends at a comma on reading, so it must hold none.
std::string rowLine(const GridModel &grid, int row)
{
    std::string line;
    for (int col = 0; col < grid.colCount(); ++col) {
        const std::string &cell = grid.cell(col, row);
        const bool comma = col + 1 < grid.colCount() && cell.find(',') != std::string::npos;
        if (comma || breaksLine(cell))
            throw DocumentWriteError("the cell in column " + std::to_string(col + 1) + ", row "
                + std::to_string(row) + " holds " + (comma ? "a comma" : "a line break"));
        if (col > 0)
            line += ',';
        line += cell;
    }
    return line;
}

std::string widthsLine(const GridModel &grid)
{
    std::string line;
    for (int col = 0; col < grid.colCount(); ++col)
        line += (col > 0 ? "," : "") + std::to_string(grid.colWidth(col));
    return line;
}

std::string fontLine(const DocumentFont &font)
{
    if (font.face.find(',') != std::string::npos || breaksLine(font.face))
        throw DocumentWriteError(
            "the face name " + quoted(font.face) + " holds a comma or a line break");
    return font.face + ',' + std::to_string(font.size) + ',' + (font.bold ? '1' : '0')
        + (font.italic ? '1' : '0') + ',' + std::to_string(font.color);
}

QByteArray encodedLines(const std::vector<std::string> &lines)
{
    qsizetype size = 0;
    for (const std::string &line : lines)
        size += qsizetype(line.size()) + 2;
    QByteArray bytes;
    bytes.reserve(size);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!AppendWindows1256(lines[i], bytes))
            throw DocumentWriteError("line " + std::to_string(i + 1) + " holds "
                + quoted(FirstCharacterOutsideWindows1256(lines[i]))
                + ", which Windows-1256 lacks");
        bytes.append("\r\n");
    }
    return bytes;
}

} // namespace

DocumentReadError::DocumentReadError(long long line, const std::string &problem)
    : std::runtime_error(
        line == WholeFile ? problem : "line " + std::to_string(line + 1) + ": " + problem)
    , m_line(line)
{ }

Document ReadDocument(QByteArrayView bytes, const Document &current)
{
    const LineReader in(bytes);
    Document doc;
    doc.fonts = current.fonts;
    doc.grid.setDefaultRowHeight(current.grid.defaultRowHeight());
    doc.reaction = in.line(ReactionLine);
    doc.language = languageOf(in.line(LanguageLine));
    const int rows = readRowCount(in);
    const int cols = readColCount(in);
    checkCellCount(in, rows, cols);
    doc.grid.setRowCount(rows);
    doc.grid.setColCount(cols);
    readWidths(in, doc.grid);
    for (int row = 0; row < rows; ++row)
        readRow(in, row, doc.grid);
    readFonts(in, rows, doc);
    readTail(in, rows, doc);
    return doc;
}

TemplateOutcome ApplyTemplate(QByteArrayView bytes, const Document &current)
{
    TemplateOutcome outcome { current, std::nullopt };
    Document &doc = outcome.document;
    // each step changes the document at once: a failure keeps what came before it
    try {
        const LineReader in(bytes);
        doc.language = languageOf(in.line(LanguageLine));
        const int cols = readColCount(in);
        checkCellCount(in, doc.grid.rowCount(), cols);
        doc.grid.setColCount(cols);
        readWidths(in, doc.grid);
        readRow(in, 0, doc.grid);
        const int rows = readRowCount(in);
        readFonts(in, rows, doc);
        readTail(in, rows, doc);
    } catch (const DocumentReadError &stop) {
        outcome.stop = stop;
    }
    return outcome;
}

namespace {

std::vector<std::string> linesOf(const Document &doc, const std::string &reaction)
{
    const GridModel &grid = doc.grid;
    std::vector<std::string> lines;
    lines.reserve(
        12 + std::size_t(grid.rowCount()) + doc.FormulsList.size() + grid.typesList().size());
    lines.push_back(checkedLine(reaction, "the reaction"));
    lines.emplace_back(doc.language == UiLanguage::English ? "E" : "F");
    lines.push_back(std::to_string(grid.rowCount()));
    lines.push_back(std::to_string(grid.colCount()));
    lines.push_back(widthsLine(grid));
    for (int row = 0; row < grid.rowCount(); ++row)
        lines.push_back(rowLine(grid, row));
    for (const DocumentFont &font : doc.fonts)
        lines.push_back(fontLine(font));
    lines.push_back(std::to_string(doc.FormulsList.size()));
    for (const std::string &formula : doc.FormulsList)
        lines.push_back(checkedLine(formula, "a formula"));
    for (const std::string &type : grid.typesList())
        lines.push_back(checkedLine(type, "an item type"));
    lines.push_back(std::to_string(doc.subscriptPosition));
    return lines;
}

} // namespace

std::vector<std::string> DocumentLines(const Document &document)
{
    return linesOf(document, document.reaction);
}

QByteArray DocumentBytes(const Document &document)
{
    return encodedLines(DocumentLines(document));
}

QByteArray TemplateBytes(const Document &document)
{
    return encodedLines(linesOf(document, {}));
}

} // namespace molvane
