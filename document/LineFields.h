#pragma once

#include <string_view>
#include <vector>

namespace molvane {

/// The lines of a document's text. CR LF, LF alone and CR alone each end a line, the last
/// line needs no line end, and a NUL ends the text.
std::vector<std::string_view> SplitLines(std::string_view text);

/// Takes the next field of @p line: the text before the first ",", removing it and the comma
/// from @p line. Without a comma the field is empty and @p line stays as it is.
std::string_view TakeField(std::string_view &line);

/// The @p count fields of a list line: @p count - 1 fields taken one by one, then whatever is
/// left of the line. Surplus commas end up in the last field; missing ones leave middle
/// fields empty.
std::vector<std::string_view> SplitFields(std::string_view line, std::size_t count);

} // namespace molvane
