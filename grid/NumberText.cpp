#include "grid/NumberText.h"

#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <string>

namespace molvane {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexDigit(char c)
{
    if (isDigit(c))
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
    while (i < text.size() && isDigit(text[i]))
        ++i;
    return i;
}

// Converts the checked number text with "." as the point, independent of the process locale.
long double convert(const std::string &number)
{
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t {});
    return strtold_l(number.c_str(), nullptr, cLocale);
}

} // namespace

std::optional<long double> ReadDecimal(std::string_view text, char separator)
{
    std::string number;
    std::size_t i = skipSpaces(text, 0);
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        number += text[i++];

    // Mantissa: digits with at most one separator; a lone separator is zero.
    const std::size_t integerEnd = skipDigits(text, i);
    number.append(text, i, integerEnd - i);
    bool hasDigits = integerEnd > i;
    i = integerEnd;
    const bool hasSeparator = i < text.size() && text[i] == separator;
    if (hasSeparator) {
        const std::size_t fractionEnd = skipDigits(text, i + 1);
        hasDigits = hasDigits || fractionEnd > i + 1;
        number += '.';
        number.append(text, i + 1, fractionEnd - i - 1);
        i = fractionEnd;
    }
    if (!hasDigits && !hasSeparator)
        return std::nullopt;
    if (!hasDigits)
        number += '0';

    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        std::size_t digits = i + 1;
        if (digits < text.size() && (text[digits] == '+' || text[digits] == '-'))
            ++digits;
        const std::size_t exponentEnd = skipDigits(text, digits);
        if (exponentEnd == digits)
            return std::nullopt;
        number += 'e';
        number.append(text, i + 1, exponentEnd - i - 1);
        i = exponentEnd;
    }
    if (skipSpaces(text, i) != text.size())
        return std::nullopt;

    const long double value = convert(number);
    if (std::isinf(value))
        return std::nullopt;
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
        const int digit = base == 16 ? hexDigit(text[i]) : (isDigit(text[i]) ? text[i] - '0' : -1);
        if (digit < 0)
            return std::nullopt;
        magnitude = std::min(magnitude * base + digit, limit + 1);
    }
    if (magnitude > (negative ? limit : limit - 1))
        return std::nullopt;
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

} // namespace molvane
