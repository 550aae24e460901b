#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace molvane::cli {

/// Runs @p handle on every input: the command-line @p inputs, or when there are none every line
/// of @p in (a CR before the line end dropped). Success when every input succeeded, else
/// SomeFailed.
int ForEachInput(const std::vector<std::string> &inputs, std::istream &in,
    const std::function<bool(const std::string &)> &handle);

} // namespace molvane::cli
