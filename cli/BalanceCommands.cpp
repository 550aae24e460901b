#include "cli/BalanceCommands.h"

#include "cli/CommandInput.h"
#include "core/Balance.h"
#include "core/CommonNotation.h"
#include "core/Composition.h"
#include "core/Derivation.h"
#include "core/Errors.h"
#include "core/OxidationNumbers.h"
#include "core/ReactionAnalysis.h"
#include "core/ReactionText.h"
#include "core/Redox.h"
#include "core/TypedReaction.h"
#include "texts/FaultTexts.h"
#include "texts/RedoxText.h"
#include "texts/WorkingText.h"

#include <algorithm>
#include <optional>
#include <ostream>

namespace molvane::cli {

namespace {

// A message of the Balance command on one line (its line break shown as a space), and its
// cause.
std::string message(TextId id, const ReactionFault &fault)
{
    return CommandLineMessage(id, fault, UiLanguage::English);
}

// Formula (its charge canonical), coefficient, weight and oxidation numbers.
void printTable(const BalancedReaction &balanced, std::ostream &out)
{
    for (std::size_t i = 0; i < balanced.formulas.size(); ++i) {
        const std::string formula = CanonicalSubstance(balanced.formulas[i]);
        const std::string numbers = OxidationListText(OxidationNumbers(ReadSubstance(formula)));
        out << formula << '\t' << balanced.coefficients[i] << '\t'
            << balanced.weights[i].value_or("-") << '\t' << (numbers.empty() ? "-" : numbers)
            << '\n';
    }
}

struct BalanceOptions
{
    bool autoIdentify = true, table = false, steps = false, redox = false;
    RedoxMedium medium = RedoxMedium::FromSpecies;
    bool complete = false; ///< add the H2O, H{+} or OH{-} of medium where Balance finds none
};

// The working under a reaction, ended by a blank line so that reactions stay apart.
void printSteps(const std::string &text, std::ostream &out)
{
    out << WorkingText(DeriveBalance(text), UiLanguage::English) << '\n';
}

// What the reading took that the user may not have meant: letter case, digits before a sign
// and symbols that are no element.
void printNotes(const ReadReaction &read, const std::string &typed, std::ostream &err)
{
    for (const LetterCaseNote &note : LetterCaseNotes(read, typed))
        err << "note: "
            << FillIn(Text(TextId::LetterCaseReading, UiLanguage::English),
                   { note.typed, note.symbol, note.other })
            << '\n';
    for (const ChargeReadingNote &note : read.chargeNotes)
        err << "note: "
            << FillIn(Text(TextId::ChargeReadingTaken, UiLanguage::English),
                   { note.typed, note.taken, note.other })
            << '\n';
    for (const std::string &symbol : SymbolsNotElements(read.text))
        err << "note: " << FillIn(Text(TextId::NotAnElement, UiLanguage::English), { symbol })
            << '\n';
}

// The reaction with what the half-reactions add where Balance alone finds no answer.
std::string CompletedReaction(const std::string &text, RedoxMedium medium)
{
    try {
        Balance(text);
        return text;
    } catch (const ReactionError &) { }
    try {
        return CompleteRedox(text, medium); // Balance writes the same coefficients again
    } catch (const ReactionError &) {
        return text;
    }
}

std::optional<RedoxMedium> mediumNamed(const std::string &name)
{
    if (name == "acid")
        return RedoxMedium::Acid;
    if (name == "base")
        return RedoxMedium::Base;
    return std::nullopt;
}

// Balances one typed reaction and writes its line; false when it fails.
bool balanceOne(const std::string &reaction, const BalanceOptions &options, std::ostream &out,
    std::ostream &err)
{
    const bool table = options.table, steps = options.steps;
    ReadReaction read;
    try {
        read = ReadTypedReaction(reaction, true, options.autoIdentify);
    } catch (const InvalidReaction &e) {
        out << "error: " << message(TextId::InvalidReaction, e.fault()) << '\n';
        return false;
    }
    printNotes(read, reaction, err);
    if (options.complete)
        read.text = CompletedReaction(read.text, options.medium);
    try {
        const BalancedReaction balanced = Balance(read.text);
        out << balanced.text << '\n';
        if (table)
            printTable(balanced, out);
        if (steps)
            printSteps(read.text, out);
        if (options.redox)
            out << ReactionRedoxText(read.text, UiLanguage::English, options.medium) << '\n';
        return true;
    } catch (const CannotBalance &e) {
        out << "error: " << message(TextId::CannotBalance, AtTypedPosition(e.fault(), read))
            << '\n';
        if (steps) // the equations and why they have no single answer
            printSteps(read.text, out);
        if (options.redox)
            out << ReactionRedoxText(read.text, UiLanguage::English, options.medium) << '\n';
    } catch (const InvalidReaction &e) {
        out << "error: " << message(TextId::InvalidReaction, AtTypedPosition(e.fault(), read))
            << '\n';
        if (options.redox) // a skeleton's half-reactions still show what it lacks
            out << ReactionRedoxText(read.text, UiLanguage::English, options.medium) << '\n';
    }
    return false;
}

} // namespace

int RunBalance(
    const std::vector<std::string> &args, std::istream &in, std::ostream &out, std::ostream &err)
{
    BalanceOptions chosen;
    std::vector<std::string> reactions;
    bool options = true; // until "--"
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        // A reaction: anything after "--", and anything not starting with "--".
        if (!options || !(arg.size() > 1 && arg.starts_with("--"))) {
            reactions.push_back(arg);
        } else if (arg == "--") {
            options = false;
        } else if (arg == "--no-auto") {
            chosen.autoIdentify = false;
        } else if (arg == "--table") {
            chosen.table = true;
        } else if (arg == "--steps") {
            chosen.steps = true;
        } else if (arg == "--redox") {
            chosen.redox = true;
        } else if (arg == "--medium" || arg == "--complete") {
            const std::optional<RedoxMedium> medium
                = i + 1 < args.size() ? mediumNamed(args[i + 1]) : std::nullopt;
            if (!medium) {
                err << "molvane-cli balance: " << arg << " takes acid or base\n";
                return UsageError;
            }
            chosen.medium = *medium;
            chosen.complete = chosen.complete || arg == "--complete";
            ++i;
        } else {
            err << "molvane-cli balance: unknown option " << arg << '\n';
            return UsageError;
        }
    }
    return ForEachInput(reactions, in, [&](const std::string &reaction) {
        // A blank line parts reactions; it is none, so it neither fails nor writes a line.
        if (reaction.find_first_not_of(" \t") == std::string::npos && reactions.empty())
            return true;
        return balanceOne(reaction, chosen, out, err);
    });
}

int RunWeight(
    const std::vector<std::string> &args, std::istream &in, std::ostream &out, std::ostream &err)
{
    std::vector<std::string> formulas = args;
    const bool table = std::erase(formulas, "--table") > 0;
    for (const std::string &arg : formulas) {
        if (arg.size() > 1 && arg.starts_with("--")) {
            err << "molvane-cli weight: unknown option " << arg << '\n';
            return UsageError;
        }
    }
    return ForEachInput(formulas, in, [&](const std::string &formula) {
        try {
            const std::string read = FromCommonNotation(formula, false);
            if (!table) {
                out << FormulaWeight(read) << '\n';
                return true;
            }
            const Composition composition = FormulaComposition(read);
            out << composition.weight << '\n';
            for (const ElementShare &share : composition.elements)
                out << ShareLine(share) << '\n';
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
