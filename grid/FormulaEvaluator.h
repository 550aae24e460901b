#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace molvane {

/// The factorial works in 64 bits; 21! would not fit, so a larger operand fails.
inline constexpr int MaxFactorialOperand = 20;

/// Evaluates a formula expression after its references are replaced: every parenthesised part
/// is evaluated and put back as text where it stood, then the flat rest is evaluated. Nothing
/// when the expression fails (a bad operand, an arithmetic failure, a "(" without its ")").
std::optional<std::string> EvaluateFormula(std::string_view expression);

/// Evaluates an expression without parentheses: spaces dropped, operands and operators split,
/// then the factorials, then "^", "*", "/", "+" and "-", each operator completely and from
/// left to right before the next. Every intermediate result is text that the next step reads
/// again; a lone operand comes back unchanged, with the "0" that starts every operand.
std::optional<std::string> EvaluateFlat(std::string_view expression);

/// One factorial step: the operand read as a whole number n, n! as decimal digits (1 for n < 2).
std::optional<std::string> ApplyFactorial(std::string_view operand);

/// One binary step, @p op one of "^*/+-": both operands read as numbers, the result in the
/// general number format with 15 significant digits.
std::optional<std::string> ApplyOperator(char op, std::string_view a, std::string_view b);

/// @p a raised to the power @p b by the evaluator's power rules: b = 0 gives 1, a = 0 gives 0,
/// a whole b within 32 bits multiplies by repeated squaring, any other b uses exp(b ln a).
/// Nothing for a negative base with a fractional exponent, a division by zero or an overflow.
std::optional<long double> RaisePower(long double a, long double b);

} // namespace molvane
