#include "cli/BalanceCommands.h"

#include "core/Balance.h"
#include "core/Errors.h"
#include "core/ReactionAnalysis.h"
#include "editor/ReactionText.h"

#include <functional>
#include <istream>
#include <ostream>

namespace molvane::cli {

namespace {

// The messages of the Balance command, their line break shown as a space.
constexpr const char *InvalidReactionMessage = "Invalid reaction";
constexpr const char *CannotBalanceMessage
    = "Can not balance this reaction It may be has more than one answer or it is more than one "
      "separate reaction.";

// Runs @p handle on every input, from the arguments or else from the lines of @p in.
int forEachInput(const std::vector<std::string> &inputs, std::istream &in,
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

void printTable(const BalancedReaction &balanced, std::ostream &out)
{
    for (std::size_t i = 0; i < balanced.formulas.size(); ++i)
        out << balanced.formulas[i] << '\t' << balanced.coefficients[i] << '\t'
            << balanced.weights[i].value_or("-") << '\n';
}

} // namespace

int RunBalance(
    const std::vector<std::string> &args, std::istream &in, std::ostream &out, std::ostream &err)
{
    bool autoIdentify = true, table = false;
    std::vector<std::string> reactions;
    for (const std::string &arg : args) {
        if (arg == "--no-auto") {
            autoIdentify = false;
        } else if (arg == "--table") {
            table = true;
        } else if (arg.size() > 1 && arg.starts_with("--")) {
            err << "molvane-cli balance: unknown option " << arg << '\n';
            return UsageError;
        } else {
            reactions.push_back(arg);
        }
    }
    return forEachInput(reactions, in, [&](const std::string &reaction) {
        const EditedText prepared = PrepareForBalance(reaction, 0, autoIdentify);
        try {
            const BalancedReaction balanced = Balance(prepared.text);
            out << balanced.text << '\n';
            if (table)
                printTable(balanced, out);
            return true;
        } catch (const CannotBalance &) {
            out << "error: " << CannotBalanceMessage << '\n';
        } catch (const InvalidReaction &) {
            out << "error: " << InvalidReactionMessage << '\n';
        }
        return false;
    });
}

int RunWeight(
    const std::vector<std::string> &args, std::istream &in, std::ostream &out, std::ostream &err)
{
    for (const std::string &arg : args) {
        if (arg.size() > 1 && arg.starts_with("--")) {
            err << "molvane-cli weight: unknown option " << arg << '\n';
            return UsageError;
        }
    }
    return forEachInput(args, in, [&](const std::string &formula) {
        try {
            out << FormulaWeight(formula) << '\n';
            return true;
        } catch (const InvalidReaction &e) {
            out << "error: " << e.what() << '\n';
            return false;
        }
    });
}

} // namespace molvane::cli
