#include "grid/GridItems.h"

#include "core/AsciiCase.h"

#include <algorithm>
#include <charconv>

namespace molvane {

std::string ItemEntryText(std::string_view name, std::string_view type, std::string_view width)
{
    std::string entry(name);
    entry += ':';
    entry += type;
    entry += '=';
    entry += width;
    return entry;
}

ItemEntry ParseItemEntry(std::string_view entry)
{
    ItemEntry parts;
    const auto colon = entry.find(':');
    parts.name = entry.substr(0, colon);
    if (colon == std::string_view::npos)
        return parts;
    const std::string_view rest = entry.substr(colon + 1);
    parts.type = rest.substr(0, 1);
    if (rest.size() > 2)
        parts.width = rest.substr(2);
    return parts;
}

std::vector<std::string> ItemEntries(const GridModel &grid)
{
    std::vector<std::string> entries;
    entries.reserve(std::size_t(std::max(grid.colCount(), 0)));
    for (int col = 0; col < grid.colCount(); ++col)
        entries.push_back(ItemEntryText(
            grid.itemName(col), grid.typeOf(col), std::to_string(grid.colWidth(col))));
    return entries;
}

std::vector<std::string> FormulaTargets(const GridModel &grid)
{
    std::vector<std::string> targets;
    targets.reserve(std::size_t(std::max(grid.colCount(), 0)));
    for (int col = 0; col < grid.colCount(); ++col)
        targets.push_back("#" + grid.itemName(col) + "(a)");
    return targets;
}

int FieldNumber(std::string_view text, int fallback)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < 0)
        return fallback;
    return value;
}

void ApplyItems(GridModel &grid, const std::vector<std::string> &entries)
{
    // A grid needs a column: with every item deleted, the first one stays as it was.
    grid.setColCount(std::max(int(entries.size()), 1));
    std::vector<std::string> types = grid.typesList();
    for (std::size_t k = 0; k < entries.size(); ++k) {
        const ItemEntry item = ParseItemEntry(entries[k]);
        const int col = int(k);
        bool taken = false;
        for (int earlier = 0; earlier < col && !taken; ++earlier)
            taken = EqualIgnoringCase(grid.itemName(earlier), item.name);
        grid.setCell(col, 0, taken ? "Item " + std::to_string(k) : item.name);
        // A list shorter than the columns grows; entries past the last column stay.
        if (types.size() <= k)
            types.resize(k + 1);
        types[k] = item.type;
        grid.setColWidth(col, FieldNumber(item.width, GridModel::DefaultColWidth));
    }
    grid.setTypesList(std::move(types));
}

FormulaParts SplitFormula(std::string_view line)
{
    const auto equals = line.find('=');
    // With no "=" the whole line is the expression, so editing it keeps the text.
    if (equals == std::string_view::npos)
        return { {}, std::string(line) };
    return { std::string(line.substr(0, equals)), std::string(line.substr(equals + 1)) };
}

int FindTarget(const std::vector<std::string> &targets, std::string_view text)
{
    for (std::size_t i = 0; i < targets.size(); ++i)
        if (EqualIgnoringCase(targets[i], text))
            return int(i);
    return -1;
}

std::string NewFormulaLine(const std::vector<std::string> &targets)
{
    return (targets.empty() ? std::string("#(a)") : targets.front()) + "=b*c";
}

} // namespace molvane
