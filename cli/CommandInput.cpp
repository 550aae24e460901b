#include "cli/CommandInput.h"

#include "cli/BalanceCommands.h"

#include <istream>

namespace molvane::cli {

int ForEachInput(const std::vector<std::string> &inputs, std::istream &in,
    const std::function<bool(const std::string &)> &handle)
{
    bool allSucceeded = true;
    if (!inputs.empty()) {
        for (const std::string &input : inputs)
            allSucceeded = handle(input) && allSucceeded;
    } else {
        for (std::string line; std::getline(in, line);) {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            allSucceeded = handle(line) && allSucceeded;
        }
    }
    return allSucceeded ? Success : SomeFailed;
}

} // namespace molvane::cli
