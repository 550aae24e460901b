// Any bytes as a formula expression. The evaluator must agree with the plain reading of its
// rules, leftmost parenthesis evaluated and put back as text again and again, and each
// operator searched for from the start of the list, on every input short enough for that
// reading's quadratic cost.
#include "grid/FormulaEvaluator.h"

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace {

using molvane::ApplyFactorial;
using molvane::ApplyOperator;

std::optional<std::string> plainFlat(const std::string &s)
{
    std::vector<std::string> list;
    std::string operand = "0";
    for (const char c : s) {
        if (c == ' ')
            continue;
        if (std::string("!^*/+-").find(c) != std::string::npos) {
            list.push_back(operand);
            list.push_back(std::string(1, c));
            operand = "0";
        } else {
            operand += c;
        }
    }
    list.push_back(operand);
    for (const char op : std::string("!^*/+-")) {
        for (;;) {
            std::size_t i = 1;
            while (i < list.size() && list[i] != std::string(1, op))
                i += 2;
            if (i >= list.size())
                break;
            const std::optional<std::string> result = op == '!'
                ? ApplyFactorial(list[i - 1])
                : ApplyOperator(op, list[i - 1], list[i + 1]);
            if (!result)
                return std::nullopt;
            list[i - 1] = *result;
            list.erase(list.begin() + i, list.begin() + i + 2);
        }
    }
    return list.front();
}

std::optional<std::string> plainFormula(std::string s)
{
    for (std::size_t p; (p = s.find('(')) != std::string::npos;) {
        std::size_t q = p + 1;
        for (int depth = 1; q < s.size(); ++q) {
            depth += s[q] == '(' ? 1 : s[q] == ')' ? -1 : 0;
            if (depth == 0)
                break;
        }
        if (q >= s.size())
            return std::nullopt;
        const std::string inner = s.substr(p + 1, q - p - 1);
        s.erase(p, q - p + 1);
        const std::optional<std::string> result = plainFormula(inner);
        if (!result)
            return std::nullopt;
        s.insert(p, *result);
    }
    return plainFlat(s);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string expression(reinterpret_cast<const char *>(data), size);
    const std::optional<std::string> result = molvane::EvaluateFormula(expression);
    if (result && result->find('(') != std::string::npos)
        std::abort();
    if (size <= 1024 && plainFormula(expression) != result)
        std::abort();
    return 0;
}
