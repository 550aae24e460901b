#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace molvane::cli {

/// eval [EXPRESSION...]: the evaluator's result text per expression, or
/// "error: invalid expression"; from the lines of @p in when none is given. Every argument is
/// an expression, so one may start with "-".
int RunEval(
    const std::vector<std::string> &args, std::istream &in, std::ostream &out, std::ostream &err);

} // namespace molvane::cli
