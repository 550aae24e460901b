#pragma once

#include <string>

namespace molvane {

/// General number format: at most @p digits significant digits, trailing zeros and a trailing
/// point dropped, exponent form (1.5E20, 1E-5) only for very large or small magnitudes.
/// The decimal separator is always "." whatever the locale.
std::string FormatGeneral(long double value, int digits = 15);
/// The same for a double, which formats several times faster.
std::string FormatGeneral(double value, int digits = 15);

} // namespace molvane
