#pragma once

#include <string>
#include <string_view>

namespace molvane {

// Directional formatting for texts that mix Farsi with paths, names and formulas. All texts
// are UTF-8; the marks added are invisible and only steer the order in which text is shown.

/// A path or file name inside a Farsi sentence, kept in its own left-to-right order
/// (LRI ... PDI): otherwise "/home/a.KVX" shows as "home/a.KVX/".
std::string LeftToRightIsolate(std::string_view text);

/// Every line (ended by "\r" or "\n") begins with a right-to-left mark, so a Farsi line that
/// starts with a Latin letter is still laid out from the right.
std::string RightToLeftLines(std::string_view text);

/// An entry such as "name:5=110" or "#name(a)=#name(b)" shown left to right in the order it
/// was typed, each run of Farsi words isolated so the digits and signs after it stay after it.
std::string LeftToRightEntry(std::string_view text);

} // namespace molvane
