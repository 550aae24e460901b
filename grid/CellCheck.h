#pragma once

#include "grid/NumberText.h"

#include <optional>
#include <string_view>

namespace molvane {

/// The Backspace key as a typed character.
inline constexpr char32_t BackspaceKey = 8;

/// The keyboard filter of a cell whose column has the type code @p typeText: the character
/// unchanged, or nothing when the column drops it silently. Integer columns ("1", "3") take
/// digits and Backspace, decimal columns ("2", "4") also the @p separator; other types take
/// every character.
std::optional<char32_t> GridKeyPress(
    std::string_view typeText, char32_t key, char separator = DecimalSeparator);

/// The value check of an edited cell: true when @p text is empty or fits the column's type
/// (a 32-bit whole number for "1" and "3", a decimal number for "2" and "4"; any text for the
/// other types). A false answer is the "Invalid number" message; the text stays as typed.
bool GridSetEditText(
    std::string_view typeText, std::string_view text, char separator = DecimalSeparator);

} // namespace molvane
