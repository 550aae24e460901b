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

/// balance [--no-auto] [--table] [--steps] [REACTION...]: one line per reaction, from @p in
/// when none is given; --steps writes the working under each.
int RunBalance(
    const std::vector<std::string> &args, std::istream &in, std::ostream &out, std::ostream &err);

/// weight [--table] [FORMULA...]: one formula weight per line, from @p in when none is given;
/// --table writes the formula's composition under each, one element a line.
int RunWeight(
    const std::vector<std::string> &args, std::istream &in, std::ostream &out, std::ostream &err);

} // namespace molvane::cli
