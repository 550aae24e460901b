#include "grid/PairSkipping.h"

#include <algorithm>

namespace molvane {

namespace {

// The first row of @p rows from @p from on other than @p a; @p none when there is none.
int firstRow(const std::set<int> &rows, int from, int a, int none)
{
    auto it = rows.lower_bound(from);
    if (it != rows.end() && *it == a)
        ++it;
    return it == rows.end() ? none : *it;
}

// One pass over each cell: find_first_of would search the three characters at every one.
bool isPlain(const GridModel &grid, int row)
{
    for (int k = 0; k < grid.colCount(); ++k)
        for (const char c : grid.cell(k, row))
            if (c == '#' || c == '\r' || c == '\n')
                return false;
    return true;
}

std::vector<std::string> rowCells(const GridModel &grid, int row)
{
    std::vector<std::string> cells;
    cells.reserve(std::size_t(grid.colCount()));
    for (int k = 0; k < grid.colCount(); ++k)
        cells.push_back(grid.cell(k, row));
    return cells;
}

} // namespace

// With plain cells every "#" of a pair's text is one of the formula text's, and each one that
// starts a reference is taken away exactly when that reference's cell is filled: no other
// reference can start within it or run into it, as reference texts hold no "#" after the first
// and none begins with another. A line applies only when it starts with the one "#" left.
PairSkipping::PairSkipping(const GridModel &grid, const std::vector<ColumnReferences> &references,
    std::string_view formulas)
{
    m_readable = readNames(references);
    for (std::size_t start = 0; m_readable;) {
        const std::size_t end = formulas.find_first_of("\r\n", start);
        addLine(formulas.substr(start, end - start));
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
    m_plainRows.resize(std::size_t(std::max(grid.rowCount(), 0)));
    for (int row = 1; row < grid.rowCount(); ++row)
        readRow(grid, row);
}

// False when a reference text holds a "#" after its first character or a line break, or
// begins with another one.
bool PairSkipping::readNames(const std::vector<ColumnReferences> &references)
{
    for (std::size_t k = 0; k < references.size(); ++k) {
        for (const bool toA : { true, false }) {
            const std::string &text = toA ? references[k].toA : references[k].toB;
            if (text.find_first_of("#\r\n", 1) != std::string::npos)
                return false;
            const auto index
                = std::size_t(std::find(m_texts.begin(), m_texts.end(), text) - m_texts.begin());
            if (index == m_texts.size()) {
                m_texts.push_back(text);
                m_references.push_back({ {}, toA });
            }
            m_references[index].columns.push_back(int(k));
        }
    }
    for (const std::string &shorter : m_texts)
        for (const std::string &longer : m_texts)
            if (longer.size() > shorter.size() && longer.starts_with(shorter))
                return false;
    return true;
}

void PairSkipping::addLine(std::string_view text)
{
    if (text.empty() || text[0] != '#')
        return;
    Line line;
    for (std::size_t at = 0; at != std::string_view::npos;) {
        const int reference = referenceAt(text, at);
        if (reference >= 0) {
            const bool toA = m_references[std::size_t(reference)].toA;
            if (at == 0 && !toA)
                return; // "(b)" or the cell's text in front: never applies
            if (at == 0)
                line.target = reference;
            else
                (toA ? line.referencesOfA : line.referencesOfB).push_back(reference);
            at = text.find('#', at + m_texts[std::size_t(reference)].size());
        } else if (hashStays(text, at)) {
            if (at != 0)
                return; // a "#" that stays after the first: never applies
            at = text.find('#', 1);
        } else {
            line.alwaysOpen = true;
            break;
        }
    }
    m_lines.push_back(std::move(line));
}

int PairSkipping::referenceAt(std::string_view line, std::size_t at) const
{
    for (std::size_t i = 0; i < m_texts.size(); ++i)
        if (line.compare(at, m_texts[i].size(), m_texts[i]) == 0)
            return int(i);
    return -1;
}

// A "#" that starts no reference stays unless the text up to the next "#" begins a longer
// reference, which the next reference's cell text could complete.
bool PairSkipping::hashStays(std::string_view line, std::size_t at) const
{
    const std::size_t next = line.find('#', at + 1);
    if (next == std::string_view::npos)
        return true;
    const std::string_view head = line.substr(at, next - at);
    return std::none_of(m_texts.begin(), m_texts.end(), [&](const std::string &text) {
        return text.size() > head.size() && text.starts_with(head);
    });
}

bool PairSkipping::filled(const GridModel &grid, int reference, int row) const
{
    const std::vector<int> &columns = m_references[std::size_t(reference)].columns;
    return std::any_of(
        columns.begin(), columns.end(), [&](int k) { return !grid.cell(k, row).empty(); });
}

bool PairSkipping::filledAll(
    const GridModel &grid, const std::vector<int> &references, int row) const
{
    return std::all_of(references.begin(), references.end(),
        [&](int reference) { return filled(grid, reference, row); });
}

// Whether row a's cells leave @p line able to apply for some row b.
bool PairSkipping::opensFor(const GridModel &grid, const Line &line, int a) const
{
    if (line.alwaysOpen)
        return true;
    if (line.target >= 0 && filled(grid, line.target, a))
        return false;
    return filledAll(grid, line.referencesOfA, a);
}

void PairSkipping::readRow(const GridModel &grid, int row)
{
    const bool plain = isPlain(grid, row);
    m_plainRows[std::size_t(row)] = plain;
    if (plain)
        m_otherRows.erase(row);
    else
        m_otherRows.insert(row);
    for (Line &line : m_lines) {
        if (line.referencesOfB.empty())
            continue;
        // The rows are first read in order, so the end is where they go.
        if (filledAll(grid, line.referencesOfB, row))
            line.readyRows.insert(line.readyRows.end(), row);
        else
            line.readyRows.erase(row);
    }
}

int PairSkipping::nextPair(const GridModel &grid, int a, int from)
{
    const int rows = grid.rowCount();
    const int following = from == a ? from + 1 : from;
    if (following >= rows || !m_readable || !m_plainRows[std::size_t(a)])
        return std::min(following, rows);
    if (a != m_rowOfA)
        m_idleWithoutB = false;
    int next = firstRow(m_otherRows, from, a, rows);
    for (const Line &line : m_lines) {
        if (next == following)
            break;
        if (!opensFor(grid, line, a))
            continue;
        if (line.alwaysOpen || (line.referencesOfB.empty() && !m_idleWithoutB))
            next = following;
        else if (!line.referencesOfB.empty())
            next = std::min(next, firstRow(line.readyRows, from, a, rows));
    }
    // Row a as it stands before its first pair, to tell whether its pairs change it.
    if (next < rows && a != m_rowOfA) {
        m_rowOfA = a;
        m_cellsOfA = rowCells(grid, a);
    }
    return next;
}

// The lines without references of b give the same text for every b while row a stays as it
// is: once they changed nothing on their own, they change nothing for any other b either.
void PairSkipping::applied(const GridModel &grid, int a, int b)
{
    if (a != m_rowOfA) {
        readRow(grid, a);
        return;
    }
    std::vector<std::string> cells = rowCells(grid, a);
    if (cells != m_cellsOfA) {
        m_cellsOfA = std::move(cells);
        m_idleWithoutB = false;
        readRow(grid, a);
        return;
    }
    const bool onlyWithoutB = m_plainRows[std::size_t(b)]
        && std::none_of(m_lines.begin(), m_lines.end(), [&](const Line &line) {
               return opensFor(grid, line, a) && (line.alwaysOpen || line.readyRows.contains(b));
           });
    m_idleWithoutB = m_idleWithoutB || onlyWithoutB;
}

} // namespace molvane
