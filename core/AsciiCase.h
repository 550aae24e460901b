#pragma once

#include <algorithm>
#include <string_view>

namespace molvane {

/// Whether @p a and @p b are the same text but for the case of ASCII letters. Element symbols
/// and item names compare so; a Farsi UTF-8 name has no case to ignore, whatever the locale.
inline bool EqualIgnoringCase(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) {
        return lower(x) == lower(y);
    });
}

} // namespace molvane
