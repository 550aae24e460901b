#pragma once

#include "core/Errors.h"

#include <cstdint>
#include <string>
#include <string_view>

/// Exact fractions of two signed 64-bit integers, travelling between steps as "n/d" text.
namespace molvane {

using molvane::ConversionError;

/// Invariant after Reduce: denominator > 0 (or a zero that came in through text or
/// Reciprocal), no common divisor. Zero is not normalised: 0/5 stays 0/5.
struct Fraction
{
    std::int64_t numerator = 0;
    std::int64_t denominator = 1;

    friend bool operator==(const Fraction &, const Fraction &) = default;
};

/// @p v without its sign, the lowest value included.
inline std::uint64_t Magnitude(std::int64_t v)
{
    return v < 0 ? std::uint64_t(0) - std::uint64_t(v) : std::uint64_t(v);
}

/// Greatest common divisor of the magnitudes; 1 when either argument is zero.
std::int64_t Gcd(std::int64_t a, std::int64_t b);
Fraction Reduce(Fraction f);
/// "7", "-7", "+7" or "a/b" with 32-bit integers; reduces only when a slash was present.
Fraction FromText(std::string_view text);
std::string ToText(Fraction f);
Fraction Multiply(Fraction a, Fraction b);
/// Fields swapped, neither reduced nor sign-corrected.
Fraction Reciprocal(Fraction f);
Fraction Add(Fraction a, Fraction b);
Fraction FromInteger(std::int64_t value);

/// A signed decimal 32-bit integer with optional sign; throws ConversionError otherwise.
std::int32_t ParseInt32(std::string_view text);

} // namespace molvane
