#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace molvane {

/// The decimal separator of cells, checks and formula results. Always ".", whatever the
/// locale: a "," would split the comma-separated rows of every saved document.
inline constexpr char DecimalSeparator = '.';

/// Reads a decimal number: optional leading spaces, an optional sign, digits with at most one
/// @p separator (a lone separator reads as zero), an optional exponent ("E" or "e", an optional
/// sign, digits) and optional trailing spaces. Nothing when the text has another form or its
/// value lies beyond the extended range; a value too close to zero reads as the nearest
/// representable one.
std::optional<long double> ReadDecimal(std::string_view text, char separator = DecimalSeparator);

/// Reads a whole number as the standard integer conversion does: optional leading spaces, an
/// optional sign, then decimal digits or hexadecimal ones after "$", "x" or "0x" (either case),
/// nothing after them, and a value in the signed 32-bit range.
std::optional<std::int32_t> ReadInteger(std::string_view text);

} // namespace molvane
