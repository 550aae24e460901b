#include "cli/EvalCommand.h"

#include "cli/CommandInput.h"
#include "grid/FormulaEvaluator.h"

#include <ostream>

namespace molvane::cli {

int RunEval(
    const std::vector<std::string> &args, std::istream &in, std::ostream &out, std::ostream &)
{
    return ForEachInput(args, in, [&](const std::string &expression) {
        const std::optional<std::string> result = EvaluateFormula(expression);
        out << (result ? *result : "error: invalid expression") << '\n';
        return result.has_value();
    });
}

} // namespace molvane::cli
