#pragma once

#include "core/Fraction.h"

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace molvane {

/// One term of a solver equation, held as the pieces of its text ("+2[3]", "-1/2", "+-6") so
/// that the solver reads, rewrites and compares it exactly as it did when the equations were
/// text: the same values, the same 32-bit limits, the same failures.
struct SolverTerm
{
    int index = -1; ///< the substance; -1 for a constant
    char lead = 0; ///< a first sign before `sign`, only where a negative product met its sign
    char sign = 0; ///< '+', '-', or 0 for none
    std::uint64_t magnitude = 0; ///< the digits before any "/"
    std::int64_t denominator = 1; ///< the digits after "/"; 1 when written whole
    bool slash = false; ///< written "n/d" rather than "n"

    friend bool operator==(const SolverTerm &, const SolverTerm &) = default;
};

/// One equation, "left=right": constants left and variables right once normalised.
struct SolverLine
{
    std::vector<SolverTerm> left;
    std::vector<SolverTerm> right;

    friend bool operator==(const SolverLine &, const SolverLine &) = default;
};

// The term makers and readers below are inline: the solver calls them for nearly every term
// of every pass.

/// A whole count as the equations write it: its own sign, or "+" after another term.
inline SolverTerm CountTerm(std::int32_t count, int index, bool first)
{
    char sign = '+';
    if (count < 0)
        sign = '-';
    else if (first)
        sign = 0;
    return { index, 0, sign, Magnitude(count), 1, false };
}

/// A value written "n/d", with "+" before a positive one when @p plus.
inline SolverTerm FractionTerm(Fraction value, int index, bool plus)
{
    char sign = plus ? '+' : char(0);
    if (value.numerator < 0)
        sign = '-';
    return { index, 0, sign, Magnitude(value.numerator), value.denominator, true };
}

/// A substituted product written after the sign @p sign of the term it replaces: whole when
/// its denominator is 1.
inline SolverTerm ProductTerm(Fraction value, char sign)
{
    // The product is written after the sign it replaces: "+" and "-6" make "+-6".
    SolverTerm term { -1, 0, sign, Magnitude(value.numerator), value.denominator,
        value.denominator != 1 };
    if (value.numerator < 0) {
        term.lead = sign;
        term.sign = '-';
    }
    return term;
}

/// Throws ConversionError saying @p what; out of line, so that the readers below stay small.
[[noreturn]] void FailTermReading(const char *what);

/// What ParseInt32 accepts of a denominator's digits, which ToText writes with their sign.
inline void CheckTermDenominator(const SolverTerm &term)
{
    if (term.slash
        && (term.denominator > std::numeric_limits<std::int32_t>::max()
            || term.denominator < std::numeric_limits<std::int32_t>::min()))
        FailTermReading("integer out of range");
}

/// The digits alone, as a term's text reads without its signs. Throws ConversionError beyond
/// 32 bits.
inline Fraction ReadMagnitude(const SolverTerm &term)
{
    if (term.magnitude > std::uint64_t(std::numeric_limits<std::int32_t>::max()))
        FailTermReading("integer out of range");
    CheckTermDenominator(term);
    if (!term.slash)
        return { std::int64_t(term.magnitude), 1 };
    return Reduce({ std::int64_t(term.magnitude), term.denominator });
}

/// The number with its one sign, flipped first when @p flip. Throws ConversionError for two
/// signs or beyond 32 bits.
inline Fraction ReadSigned(const SolverTerm &term, bool flip = false)
{
    if (term.lead)
        FailTermReading("not an integer");
    const bool negative = flip ? term.sign != '-' : term.sign == '-';
    if (term.magnitude
        > std::uint64_t(std::numeric_limits<std::int32_t>::max()) + (negative ? 1 : 0))
        FailTermReading("integer out of range");
    CheckTermDenominator(term);
    const std::int64_t numerator
        = negative ? -std::int64_t(term.magnitude) : std::int64_t(term.magnitude);
    if (!term.slash)
        return { numerator, 1 };
    return Reduce({ numerator, term.denominator });
}
/// A whole side read as one number; more than one term cannot be read.
inline Fraction ReadSide(const std::vector<SolverTerm> &side, bool flip = false)
{
    if (side.size() != 1 || side.front().index >= 0)
        FailTermReading("not a number");
    return ReadSigned(side.front(), flip);
}

/// What reading the text of @p value gives: the value reduced, or ConversionError beyond 32 bits.
Fraction ViaText(Fraction value);

/// Room enough for the text of @p lines, each followed by "\r\n".
std::size_t LinesTextRoom(const std::vector<SolverLine> &lines);
/// Writes the text of each of @p lines followed by "\r\n" at @p out, which has
/// LinesTextRoom(lines) characters; returns the end of the text. Writing in place spares the
/// appends of each piece, and writing all the lines in one call the calls for each.
char *WriteLinesText(const std::vector<SolverLine> &lines, char *out);
/// "left=right" as the text solver wrote it.
std::string SolverLineText(const SolverLine &line);
/// Reads a line of the text form; throws ConversionError on anything else.
SolverLine ReadSolverLine(std::string_view text);

} // namespace molvane
