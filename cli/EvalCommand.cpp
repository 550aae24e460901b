#include "cli/EvalCommand.h"

#include "cli/CommandInput.h"
#include "grid/FormulaEvaluator.h"
#include "grid/NumberText.h"

#include <ostream>

namespace molvane::cli {

int RunEval(
    const std::vector<std::string> &args, std::istream &in, std::ostream &out, std::ostream &)
{
    return ForEachInput(args, in, [&](const std::string &expression) {
        const std::optional<std::string> result = EvaluateFormula(expression);
        if (!result) {
            out << "error: invalid expression\n";
            return false;
        }
        // Letters pass through a formula as text ("abc" gives "0abc"): no number, a failure.
        if (!ReadDecimal(*result)) {
            out << "error: not a number (" << *result << ")\n";
            return false;
        }
        out << *result << '\n';
        return true;
    });
}

} // namespace molvane::cli
