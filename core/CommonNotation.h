#pragma once

#include <string>
#include <string_view>

namespace molvane {

/// Whether UTF-8 @p text holds an arrow of common notation: ">", "->", "=>", "<=>", "<->",
/// U+2192, U+27F6, U+21CC or U+21D2.
bool HoldsCommonArrow(std::string_view text);

/// A reaction written in common notation (pasted, or given to molvane-cli) in this program's
/// own: every arrow becomes ">", the middle dot "*", and blanks are dropped. With
/// @p loneEqualsIsArrow a single "=" is the arrow where no other arrow is present.
std::string FromCommonNotation(std::string_view text, bool loneEqualsIsArrow);

} // namespace molvane
