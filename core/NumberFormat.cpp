#include "core/NumberFormat.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>

namespace molvane {

namespace {

template <typename Number> std::string formatGeneral(Number value, int digits)
{
    char buffer[64];
    const auto result
        = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, digits);
    std::string text(buffer, result.ptr);

    // to_chars writes "1.5e+20"; shown as "1.5E20", and "1e-05" as "1E-5".
    const std::size_t e = text.find('e');
    if (e == std::string::npos)
        return text;
    std::string exponent = text.substr(e + 1);
    std::string sign;
    if (!exponent.empty() && (exponent[0] == '+' || exponent[0] == '-')) {
        if (exponent[0] == '-')
            sign = "-";
        exponent.erase(0, 1);
    }
    const std::size_t firstDigit = exponent.find_first_not_of('0');
    exponent = firstDigit == std::string::npos ? "0" : exponent.substr(firstDigit);
    return text.substr(0, e) + "E" + sign + exponent;
}

// The general format of @p value from 1 up to 10^digits, rounded in whole-number arithmetic,
// which is much quicker than the general conversion; nothing for other values and for an exact
// tie between two roundings, which the general conversion settles.
std::optional<std::string> wholeArithmetic(double value, int digits)
{
    static constexpr std::array<double, 16> powers
        = { 1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15 };
    const double magnitude = std::fabs(value);
    if (digits < 1 || digits > 15 || !(magnitude >= 1 && magnitude < powers[digits]))
        return std::nullopt;
    int point = 0; // the decimal exponent
    while (magnitude >= powers[point + 1])
        ++point;

    // magnitude = mantissa / 2^shift exactly; scaled by 10^(digits - 1 - point) it holds
    // exactly digits whole digits before the binary point.
    const auto bits = std::bit_cast<std::uint64_t>(magnitude);
    const std::uint64_t mantissa
        = (bits & ((std::uint64_t { 1 } << 52) - 1)) | (std::uint64_t { 1 } << 52);
    const int shift = 1075 - int(bits >> 52);
    static constexpr std::array<std::uint64_t, 15> wholePowers
        = { 1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000, 1000000000, 10000000000,
              100000000000, 1000000000000, 10000000000000, 100000000000000 };
    const unsigned __int128 scaled
        = static_cast<unsigned __int128>(mantissa) * wholePowers[digits - 1 - point];
    const unsigned __int128 one = static_cast<unsigned __int128>(1) << shift;
    std::uint64_t rounded = std::uint64_t(scaled >> shift);
    const unsigned __int128 rest = scaled & (one - 1);
    if (rest == one / 2)
        return std::nullopt;
    if (rest > one / 2)
        ++rounded;
    if (rounded == std::uint64_t(powers[digits]))
        return std::nullopt; // rounds up to the next power of ten

    // The fraction's trailing zeros go before the digits are written: a weight rounded to 15
    // digits has many. Then sign, whole digits, point and fraction digits are written in place
    // and copied once.
    int fractionDigits = digits - 1 - point;
    while (fractionDigits >= 4 && rounded % 10000 == 0) {
        rounded /= 10000;
        fractionDigits -= 4;
    }
    while (fractionDigits > 0 && rounded % 10 == 0) {
        rounded /= 10;
        --fractionDigits;
    }
    char buffer[24];
    char *const first = buffer + 1;
    char *end = std::to_chars(first, buffer + sizeof buffer - 1, rounded).ptr;
    char *const fraction = first + point + 1;
    if (end > fraction) {
        std::copy_backward(fraction, end, end + 1);
        *fraction = '.';
        ++end;
    }
    char *begin = first;
    if (value < 0)
        *--begin = '-';
    return std::string(begin, end);
}

} // namespace

std::string FormatGeneral(long double value, int digits)
{
    return formatGeneral(value, digits);
}

std::string FormatGeneral(double value, int digits)
{
    if (std::optional<std::string> text = wholeArithmetic(value, digits))
        return std::move(*text);
    return formatGeneral(value, digits);
}

} // namespace molvane
