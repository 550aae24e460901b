#include "grid/NumberText.h"

#include "core/ReactionCharacters.h"

#include <algorithm>
#include <array>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <string>

namespace molvane {

namespace {

int hexDigit(char c)
{
    if (IsDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::size_t skipSpaces(std::string_view text, std::size_t i)
{
    while (i < text.size() && text[i] == ' ')
        ++i;
    return i;
}

std::size_t skipDigits(std::string_view text, std::size_t i)
{
    while (i < text.size() && IsDigit(text[i]))
        ++i;
    return i;
}

// The pieces of a decimal number text, each a view into it.
struct DecimalParts
{
    bool negative = false;
    std::string_view integer, fraction; // the digits before and after the separator
    bool negativeExponent = false;
    std::string_view exponent; // its digits; empty without an exponent
};

std::optional<DecimalParts> splitDecimal(std::string_view text, char separator)
{
    DecimalParts parts;
    std::size_t i = skipSpaces(text, 0);
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        parts.negative = text[i++] == '-';
    std::size_t end = skipDigits(text, i);
    parts.integer = text.substr(i, end - i);
    i = end;
    const bool hasSeparator = i < text.size() && text[i] == separator;
    if (hasSeparator) {
        end = skipDigits(text, i + 1);
        parts.fraction = text.substr(i + 1, end - i - 1);
        i = end;
    }
    if (parts.integer.empty() && !hasSeparator)
        return std::nullopt; // a lone separator is zero, nothing at all is not
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        if (++i < text.size() && (text[i] == '+' || text[i] == '-'))
            parts.negativeExponent = text[i++] == '-';
        end = skipDigits(text, i);
        parts.exponent = text.substr(i, end - i);
        if (parts.exponent.empty())
            return std::nullopt;
        i = end;
    }
    if (skipSpaces(text, i) != text.size())
        return std::nullopt;
    return parts;
}

constexpr int MaxExactPower = 27; // 10^27 = 5^27 * 2^27 and 5^27 < 2^64: exact in 64 bits

constexpr std::array<long double, MaxExactPower + 1> exactPowersOfTen()
{
    std::array<long double, MaxExactPower + 1> powers {};
    powers[0] = 1;
    for (int k = 1; k <= MaxExactPower; ++k)
        powers[k] = powers[k - 1] * 10;
    return powers;
}

// Up to 19 significant digits and a power of ten that is exact: one correctly rounded
// multiplication or division then gives the correctly rounded value, as the full conversion
// would. Nothing when the number is outside that range.
std::optional<long double> quickValue(const DecimalParts &parts)
{
    static constexpr auto powers = exactPowersOfTen();
    if (parts.exponent.size() > 4 || parts.fraction.size() > 1000)
        return std::nullopt;
    std::uint64_t digits = 0;
    int significant = 0;
    for (const std::string_view part : { parts.integer, parts.fraction }) {
        for (const char c : part) {
            if (significant == 0 && c == '0')
                continue;
            if (++significant > 19)
                return std::nullopt;
            digits = digits * 10 + static_cast<std::uint64_t>(c - '0');
        }
    }
    int power = 0;
    for (const char c : parts.exponent)
        power = power * 10 + (c - '0');
    power = (parts.negativeExponent ? -power : power) - static_cast<int>(parts.fraction.size());
    if (digits != 0 && (power < -MaxExactPower || power > MaxExactPower))
        return std::nullopt;
    long double value = static_cast<long double>(digits);
    if (digits != 0)
        value = power < 0 ? value / powers[-power] : value * powers[power];
    return parts.negative ? -value : value;
}

// The full conversion, with "." as the point whatever the process locale.
long double convertedValue(const DecimalParts &parts)
{
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t {});
    std::string number = parts.negative ? "-" : "";
    number.append(parts.integer);
    number += '.';
    number.append(parts.fraction);
    if (parts.integer.empty() && parts.fraction.empty())
        number += '0';
    number += parts.negativeExponent ? "e-" : "e";
    number.append(parts.exponent.empty() ? "0" : parts.exponent);
    return strtold_l(number.c_str(), nullptr, cLocale);
}

} // namespace

std::optional<long double> ReadDecimal(std::string_view text, char separator)
{
    const std::optional<DecimalParts> parts = splitDecimal(text, separator);
    if (!parts)
        return std::nullopt;
    if (const std::optional<long double> quick = quickValue(*parts))
        return quick;
    const long double value = convertedValue(*parts);
    if (std::isinf(value))
        return std::nullopt; // beyond the extended range; a tiny value reads as the nearest
    return value;
}

std::optional<std::int32_t> ReadInteger(std::string_view text)
{
    std::size_t i = skipSpaces(text, 0);
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';

    int base = 10;
    if (i < text.size() && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0'
        && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i == text.size())
        return std::nullopt;

    // The magnitude stops growing once past the range, so long texts cannot overflow it.
    constexpr std::int64_t limit = std::int64_t { 1 } << 31;
    std::int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        const int digit = base == 16 ? hexDigit(text[i]) : (IsDigit(text[i]) ? text[i] - '0' : -1);
        if (digit < 0)
            return std::nullopt;
        magnitude = std::min(magnitude * base + digit, limit + 1);
    }
    if (magnitude > (negative ? limit : limit - 1))
        return std::nullopt;
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

} // namespace molvane
