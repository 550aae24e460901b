#include "document/LineFields.h"

#include <algorithm>

namespace molvane {

std::vector<std::string_view> SplitLines(std::string_view text)
{
    text = text.substr(0, text.find('\0'));
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find_first_of("\r\n", start), text.size());
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
        if (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n')
            ++start;
    }
    return lines;
}

std::string_view TakeField(std::string_view &line)
{
    const std::size_t comma = line.find(',');
    if (comma == std::string_view::npos)
        return {};
    const std::string_view field = line.substr(0, comma);
    line.remove_prefix(comma + 1);
    return field;
}

std::vector<std::string_view> SplitFields(std::string_view line, std::size_t count)
{
    std::vector<std::string_view> fields;
    fields.reserve(count);
    for (std::size_t i = 1; i < count; ++i)
        fields.push_back(TakeField(line));
    if (count > 0)
        fields.push_back(line);
    return fields;
}

} // namespace molvane
