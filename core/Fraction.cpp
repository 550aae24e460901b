#include "core/Fraction.h"

#include <charconv>
#include <limits>

namespace molvane {

namespace {

std::int64_t checkedMultiply(std::int64_t a, std::int64_t b)
{
    std::int64_t r;
    if (__builtin_mul_overflow(a, b, &r))
        throw ConversionError("fraction product out of range");
    return r;
}

std::int64_t checkedAdd(std::int64_t a, std::int64_t b)
{
    std::int64_t r;
    if (__builtin_add_overflow(a, b, &r))
        throw ConversionError("fraction sum out of range");
    return r;
}

std::int64_t checkedNegate(std::int64_t v)
{
    if (v == std::numeric_limits<std::int64_t>::min())
        throw ConversionError("fraction out of range");
    return -v;
}

} // namespace

std::int64_t Gcd(std::int64_t a, std::int64_t b)
{
    std::uint64_t x = Magnitude(a), y = Magnitude(b);
    // Most of the solver's values are whole or already reduced: no division needed.
    if (x <= 1 || y <= 1)
        return 1;
    while (y != 0) {
        const std::uint64_t r = x % y;
        x = y;
        y = r;
    }
    if (x > std::uint64_t(std::numeric_limits<std::int64_t>::max()))
        throw ConversionError("divisor out of range");
    return std::int64_t(x);
}

Fraction Reduce(Fraction f)
{
    if (f.denominator == 1)
        return f; // already whole
    const std::int64_t g = Gcd(f.numerator, f.denominator);
    if (g != 1) {
        f.numerator /= g;
        f.denominator /= g;
    }
    if (f.denominator < 0) {
        f.numerator = checkedNegate(f.numerator);
        f.denominator = checkedNegate(f.denominator);
    }
    return f;
}

std::int32_t ParseInt32(std::string_view text)
{
    std::size_t start = 0;
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        start = 1;
    }
    if (start == text.size())
        throw ConversionError("not an integer");
    std::int64_t value = 0;
    for (std::size_t i = start; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9')
            throw ConversionError("not an integer");
        value = value * 10 + (c - '0');
        if (value > std::int64_t(std::numeric_limits<std::int32_t>::max()) + 1)
            throw ConversionError("integer out of range");
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<std::int32_t>::max())
        throw ConversionError("integer out of range");
    return std::int32_t(value);
}

Fraction FromText(std::string_view text)
{
    const std::size_t slash = text.find('/');
    if (slash == std::string_view::npos)
        return { ParseInt32(text), 1 };
    return Reduce({ ParseInt32(text.substr(0, slash)), ParseInt32(text.substr(slash + 1)) });
}

std::string ToText(Fraction f)
{
    char buffer[48];
    char *end = std::to_chars(buffer, buffer + 24, f.numerator).ptr;
    *end++ = '/';
    end = std::to_chars(end, buffer + sizeof buffer, f.denominator).ptr;
    return std::string(buffer, end);
}

Fraction Multiply(Fraction a, Fraction b)
{
    return Reduce({ checkedMultiply(a.numerator, b.numerator),
        checkedMultiply(a.denominator, b.denominator) });
}

Fraction Reciprocal(Fraction f)
{
    return { f.denominator, f.numerator };
}

Fraction Add(Fraction a, Fraction b)
{
    return Reduce({ checkedAdd(checkedMultiply(a.numerator, b.denominator),
                        checkedMultiply(b.numerator, a.denominator)),
        checkedMultiply(a.denominator, b.denominator) });
}

Fraction FromInteger(std::int64_t value)
{
    return { value, 1 };
}

} // namespace molvane
