#include "cli/BalanceCommands.h"

#include "cli/CommandInput.h"
#include "core/Balance.h"
#include "core/CommonNotation.h"
#include "core/Derivation.h"
#include "core/Errors.h"
#include "core/ReactionAnalysis.h"
#include "core/ReactionText.h"
#include "texts/FaultTexts.h"
#include "texts/WorkingText.h"

#include <algorithm>
#include <ostream>

namespace molvane::cli {

namespace {

// A message of the Balance command on one line (its line break shown as a space), and its
// cause.
std::string message(TextId id, const ReactionFault &fault)
{
    return MessageWithCause(id, fault, UiLanguage::English, MessagePart::Whole);
}

void printTable(const BalancedReaction &balanced, std::ostream &out)
{
    for (std::size_t i = 0; i < balanced.formulas.size(); ++i)
        out << balanced.formulas[i] << '\t' << balanced.coefficients[i] << '\t'
            << balanced.weights[i].value_or("-") << '\n';
}

// The working under a reaction, ended by a blank line so that reactions stay apart.
void printSteps(const std::string &text, std::ostream &out)
{
    out << WorkingText(DeriveBalance(text), UiLanguage::English) << '\n';
}

} // namespace

int RunBalance(
    const std::vector<std::string> &args, std::istream &in, std::ostream &out, std::ostream &err)
{
    bool autoIdentify = true, table = false, steps = false;
    std::vector<std::string> reactions;
    for (const std::string &arg : args) {
        if (arg == "--no-auto") {
            autoIdentify = false;
        } else if (arg == "--table") {
            table = true;
        } else if (arg == "--steps") {
            steps = true;
        } else if (arg.size() > 1 && arg.starts_with("--")) {
            err << "molvane-cli balance: unknown option " << arg << '\n';
            return UsageError;
        } else {
            reactions.push_back(arg);
        }
    }
    return ForEachInput(reactions, in, [&](const std::string &reaction) {
        const EditedText prepared
            = PrepareForBalance(FromCommonNotation(reaction, true), 0, autoIdentify);
        try {
            const BalancedReaction balanced = Balance(prepared.text);
            out << balanced.text << '\n';
            if (table)
                printTable(balanced, out);
            if (steps)
                printSteps(prepared.text, out);
            return true;
        } catch (const CannotBalance &e) {
            out << "error: " << message(TextId::CannotBalance, e.fault()) << '\n';
            if (steps) // the equations and why they have no single answer
                printSteps(prepared.text, out);
        } catch (const InvalidReaction &e) {
            out << "error: " << message(TextId::InvalidReaction, e.fault()) << '\n';
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
    return ForEachInput(args, in, [&](const std::string &formula) {
        try {
            out << FormulaWeight(FromCommonNotation(formula, false)) << '\n';
            return true;
        } catch (const InvalidReaction &e) {
            // A fault the formula's position can name is told as such; otherwise the reason.
            const std::string cause = FaultText(e.fault(), UiLanguage::English);
            out << "error: " << (cause.empty() ? e.what() : cause) << '\n';
            return false;
        }
    });
}

} // namespace molvane::cli
