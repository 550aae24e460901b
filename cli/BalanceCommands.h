#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace molvane::cli {

/// Exit status: every input succeeded, some input failed, the command line was wrong.
enum ExitStatus { Success = 0, SomeFailed = 1, UsageError = 2 };

/// A command run with its arguments, standard input, output and error; gives an ExitStatus.
using Command = int (*)(
    const std::vector<std::string> &args, std::istream &in, std::ostream &out, std::ostream &err);

/// balance [--no-auto] [--table] [--steps] [--redox] [--medium acid|base] [--complete
/// acid|base] [REACTION...]: one line per reaction, from @p in when none is given; --table adds
/// the oxidation numbers, --steps writes the working under each, --redox the half-reactions or
/// the oxidation-number method (--medium chooses acid or base), --complete adds the H2O, H{+}
/// or OH{-} a skeleton ionic redox reaction lacks.
int RunBalance(
    const std::vector<std::string> &args, std::istream &in, std::ostream &out, std::ostream &err);

/// weight [--table] [FORMULA...]: one formula weight per line, from @p in when none is given;
/// --table writes the formula's composition under each, one element a line.
int RunWeight(
    const std::vector<std::string> &args, std::istream &in, std::ostream &out, std::ostream &err);

} // namespace molvane::cli
