#include "core/NumberFormat.h"

#include <charconv>

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

} // namespace

std::string FormatGeneral(long double value, int digits)
{
    return formatGeneral(value, digits);
}

std::string FormatGeneral(double value, int digits)
{
    return formatGeneral(value, digits);
}

} // namespace molvane
