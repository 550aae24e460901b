#include "grid/FormulaEvaluator.h"

#include "core/NumberFormat.h"
#include "grid/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <vector>

namespace molvane {

namespace {

constexpr std::string_view Operators = "!^*/+-";
// Each binary operator is a level of its own, applied completely before the next.
constexpr std::string_view BinaryOrder = "^*/+-";

bool isOperator(char c)
{
    return Operators.find(c) != std::string_view::npos;
}

bool hasOperator(std::string_view text)
{
    return text.find_first_of(Operators) != std::string_view::npos;
}

// Results are finite: an overflow or an invalid operation fails instead of writing inf or nan.
std::optional<std::string> formatted(long double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    // A whole value below 10^15 has at most 15 digits, all kept: its text is the integer's,
    // found much faster. -0 becomes "0" here too.
    if (value == std::trunc(value) && std::fabs(value) < 1e15L) {
        char digits[24];
        const std::to_chars_result end
            = std::to_chars(digits, digits + sizeof digits, static_cast<std::int64_t>(value));
        return std::string(digits, end.ptr);
    }
    return FormatGeneral(value, 15);
}

// A flat expression split up: operands[i] stands before operators[i], operands[i + 1] after it.
struct FlatList
{
    std::vector<std::string> operands;
    std::string operators;
};

FlatList tokenise(std::string_view expression)
{
    FlatList list;
    std::string operand = "0"; // so an empty operand reads as zero
    for (const char c : expression) {
        if (c == ' ')
            continue;
        if (isOperator(c)) {
            list.operands.push_back(std::move(operand));
            list.operators += c;
            operand.assign(1, '0');
        } else {
            operand += c;
        }
    }
    list.operands.push_back(std::move(operand));
    return list;
}

// Applies every @p op from the leftmost on: @p step's result replaces the operand before the
// operator, and the operand after it is removed with the operator.
template <class Step> bool reduce(FlatList &list, char op, const Step &step)
{
    if (list.operators.find(op) == std::string::npos)
        return true;
    std::size_t kept = 0;
    for (std::size_t i = 0; i < list.operators.size(); ++i) {
        if (list.operators[i] == op) {
            std::optional<std::string> result = step(list.operands[kept], list.operands[i + 1]);
            if (!result)
                return false;
            list.operands[kept] = std::move(*result);
        } else {
            list.operators[kept++] = list.operators[i];
            if (kept != i + 1)
                list.operands[kept] = std::move(list.operands[i + 1]);
        }
    }
    list.operands.resize(kept + 1);
    list.operators.resize(kept);
    return true;
}

} // namespace

std::optional<long double> RaisePower(long double a, long double b)
{
    if (b == 0)
        return 1.0L;
    if (a == 0 && b > 0)
        return 0.0L;
    if (b == std::trunc(b) && std::fabs(b) <= 2147483647.0L) {
        auto n = static_cast<std::uint32_t>(std::fabs(b));
        long double product = 1, square = a;
        for (;;) {
            if (n & 1)
                product *= square;
            n >>= 1;
            if (n == 0)
                break;
            square *= square;
        }
        if (!std::isfinite(product) || (b < 0 && product == 0))
            return std::nullopt;
        return b < 0 ? 1 / product : product;
    }
    if (a <= 0)
        return std::nullopt;
    const long double power = std::exp(b * std::log(a));
    if (!std::isfinite(power))
        return std::nullopt;
    return power;
}

std::optional<std::string> ApplyFactorial(std::string_view operand)
{
    const std::optional<std::int32_t> n = ReadInteger(operand);
    if (!n || *n > MaxFactorialOperand)
        return std::nullopt;
    std::int64_t product = 1;
    for (std::int32_t i = 2; i <= *n; ++i)
        product *= i;
    return std::to_string(product);
}

std::optional<std::string> ApplyOperator(char op, std::string_view a, std::string_view b)
{
    const std::optional<long double> x = ReadDecimal(a), y = ReadDecimal(b);
    if (!x || !y)
        return std::nullopt;
    switch (op) {
    case '^':
        if (const std::optional<long double> power = RaisePower(*x, *y))
            return formatted(*power);
        return std::nullopt;
    case '*':
        return formatted(*x * *y);
    case '/':
        if (*y == 0)
            return std::nullopt;
        return formatted(*x / *y);
    case '+':
        return formatted(*x + *y);
    case '-':
        return formatted(*x - *y);
    }
    return std::nullopt;
}

std::optional<std::string> EvaluateFlat(std::string_view expression)
{
    FlatList list = tokenise(expression);
    // The digits written after a "!" are its right operand, and are dropped with it.
    const auto factorial = [](std::string_view n, std::string_view) { return ApplyFactorial(n); };
    if (!reduce(list, '!', factorial))
        return std::nullopt;
    for (const char op : BinaryOrder) {
        const auto binary
            = [op](std::string_view a, std::string_view b) { return ApplyOperator(op, a, b); };
        if (!reduce(list, op, binary))
            return std::nullopt;
    }
    return std::move(list.operands.front());
}

std::optional<std::string> EvaluateFormula(std::string_view expression)
{
    // Every "(" opens a part that grows at the end of `text`, written with a "0" in place of
    // its "(". A part without operators evaluates to exactly that text, so it is left as it
    // is; a part with operators is evaluated and its short result put back where it started.
    // The outcome is that of evaluating the leftmost parenthesis first, again and again, while
    // every character is read a bounded number of times and nesting needs no recursion.
    struct OpenPart
    {
        std::size_t start;
        bool hasOperator;
    };
    std::string text = "0";
    text.reserve(expression.size() + 1);
    std::vector<OpenPart> parts { { 0, false } };
    for (const char c : expression) {
        if (c == ' ')
            continue;
        if (c == '(') {
            parts.push_back({ text.size(), false });
            text += '0';
        } else if (c == ')' && parts.size() > 1) {
            const OpenPart part = parts.back();
            parts.pop_back();
            if (!part.hasOperator)
                continue;
            std::optional<std::string> result
                = EvaluateFlat(std::string_view(text).substr(part.start + 1));
            if (!result)
                return std::nullopt;
            text.resize(part.start);
            text += *result;
            parts.back().hasOperator = parts.back().hasOperator || hasOperator(*result);
        } else {
            text += c; // a ")" without its "(" is an ordinary operand character
            parts.back().hasOperator = parts.back().hasOperator || isOperator(c);
        }
    }
    if (parts.size() > 1)
        return std::nullopt; // a "(" without its ")"
    if (!parts.back().hasOperator)
        return text;
    return EvaluateFlat(std::string_view(text).substr(1));
}

} // namespace molvane
