// Any bytes as a typed reaction, through the whole Balance path. Every input must end in
// coefficients that really balance the reaction, or in one of the two failures, and in what
// the reference path kept beside the tests gives (but for what was changed on purpose since); the
// working of a balance ends in its coefficients, that of a reaction without one answer says so. The
// same bytes, and a reaction spelt from them in common notation (states, Unicode digits, carets,
// trailing signs, dots, arrows), go through the typed reader too: an answer balances the reading it
// reports and balances again to itself, and a failure points into the typed text.
#include "BalanceReference.h"
#include "BalanceSamples.h"

#include "core/Balance.h"
#include "core/Derivation.h"
#include "core/Errors.h"
#include "core/ReactionAnalysis.h"
#include "core/ReactionSyntax.h"
#include "core/ReactionText.h"
#include "core/SubstanceFormula.h"
#include "core/TypedReaction.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>

namespace {

// Atoms of every element (compared ignoring case) and the charge, reactants counted positive.
struct Tally
{
    std::map<std::string, __int128> atoms;
    __int128 charge = 0;
};

std::string lowered(std::string symbol)
{
    for (char &c : symbol)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return symbol;
}

// Adds one substance of the analysed text, read as its own grammar reads it; a state such as
// "(aq)" counts no atoms.
void tally(std::string formula, bool extended, __int128 factor, Tally &sums)
{
    using namespace molvane;
    formula.resize(formula.size() - StateLength(formula));
    if (extended) {
        const SubstanceFormula substance = ReadSubstance(formula);
        for (std::size_t i = 0; i < substance.symbols.size(); ++i)
            sums.atoms[lowered(substance.symbols[i])] += factor * substance.counts[i];
        sums.charge += factor * substance.charge;
        return;
    }
    const std::string units = InsertUnitCounts(formula);
    const std::vector<std::string> elements = ListElements(units + "+");
    const std::vector<std::int32_t> counts = CountAtoms(units, elements);
    for (std::size_t e = 0; e < elements.size(); ++e)
        sums.atoms[lowered(elements[e])] += factor * counts[e];
}

// Recounts every element and the charge of the analysed text with the answer's coefficients,
// all of which must be positive, and checks that both sides agree.
void checkBalances(const std::string &prepared, const molvane::BalancedReaction &result)
{
    using namespace molvane;
    const std::string text = WithJoiningStars(prepared);
    const bool extended = UsesExtendedNotation(text);
    const ReactionSides sides = SplitReaction(text);
    if (sides.reactants.size() + sides.products.size() != result.coefficients.size())
        std::abort();
    Tally sums;
    std::size_t s = 0;
    for (const auto *side : { &sides.reactants, &sides.products })
        for (const std::string &formula : *side) {
            const long long coefficient = std::stoll(result.coefficients[s++]);
            if (coefficient <= 0)
                std::abort();
            tally(formula, extended, (side == &sides.reactants ? 1 : -1) * __int128(coefficient),
                sums);
        }
    for (const auto &[element, sum] : sums.atoms)
        if (sum != 0)
            std::abort();
    if (sums.charge != 0)
        std::abort();
}

// Pieces of reactions as textbooks and web pages write them.
constexpr std::array<std::string_view, 64> Pieces = { "H", "O", "C", "N", "S", "Fe", "Cu", "Ag",
    "Cl", "Na", "Mn", "Hg", "e", "co", "x", "1", "2", "3", "4", "9", "0", "\xE2\x82\x82",
    "\xE2\x82\x83", "\xE2\x82\x84", "\xE2\x82\x80", // subscripts 2, 3, 4, 0
    "\xC2\xB2", "\xC2\xB3", "\xC2\xB9", "\xE2\x81\xBA", "\xE2\x81\xBB", // superscripts 2 3 1 + -
    "^", "+", "-", "\xE2\x88\x92", " + ", " ", "(s)", "(aq)", "(g)", "(l)", "(", ")", "[", "]", "{",
    "}", ".", "\xE2\x80\xA2", "\xC2\xB7", "*", ">", "->", "-->", "<-->", "==", "=", "\xE2\x86\x92",
    "\xE2\x87\x84", "\xE2\x86\x94", "\xE2\x9F\xB7", "\xE2\x9F\xB6", " > ", "\t", "\xC2\xA0" };

std::string commonNotation(std::string_view bytes)
{
    std::string text;
    for (const char b : bytes)
        text += Pieces[static_cast<unsigned char>(b) % Pieces.size()];
    return text;
}

std::size_t characters(std::string_view text)
{
    std::size_t count = 0;
    for (const char c : text)
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    return count;
}

// A typed reaction through the typed reader: its answer balances the reading it reports, and
// that answer balanced again is itself; its failures name positions within the typed text.
void checkTyped(const std::string &typed, bool autoIdentify)
{
    using namespace molvane;
    const auto inTyped = [&](const ReactionFault &fault) {
        if (fault.position < 0 || std::size_t(fault.position) > characters(typed) + 1)
            std::abort();
    };
    ReadReaction read;
    try {
        read = ReadTypedReaction(typed, true, autoIdentify);
    } catch (const InvalidReaction &e) {
        inTyped(e.fault());
        return;
    }
    for (const ChargeReadingNote &note : read.chargeNotes)
        if (note.taken == note.other)
            std::abort();
    try {
        const BalancedReaction balanced = BalanceTyped(typed, true, autoIdentify);
        checkBalances(read.text, balanced);
        if (BalanceTyped(balanced.text, false, autoIdentify).text != balanced.text)
            std::abort();
    } catch (const ReactionError &e) {
        inTyped(e.fault());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string typed(reinterpret_cast<const char *>(data), size);
    for (const bool autoIdentify : { true, false }) {
        const molvane::EditedText prepared = molvane::PrepareForBalance(typed, 0, autoIdentify);
        const auto outcome = [&](auto balance) {
            return molvane::WithoutInvalidCause(molvane::BalanceOutcome(balance));
        };
        const std::string now = outcome([&] { return molvane::Balance(prepared.text); });
        // A "+" or arrow beside another is now refused where the reference read one.
        // A state such as "(g)" is now read where the reference read a group.
        const std::string then = molvane::MissesASubstance(prepared.text) ? "invalid"
            : molvane::HoldsAState(prepared.text)
            ? now
            : outcome([&] { return molvane::reference::Balance(prepared.text); });
        if (now != then)
            std::abort();
        const std::string problem = molvane::HoldsAState(prepared.text)
            ? "same"
            : molvane::ProblemComparison(prepared.text);
        if (problem != "same" && problem != "invalid")
            std::abort();
        try {
            const molvane::BalancedReaction balanced = molvane::Balance(prepared.text);
            checkBalances(prepared.text, balanced);
            // The working shown for it ends in the same coefficients.
            if (molvane::DeriveBalance(prepared.text).coefficients != balanced.coefficients)
                std::abort();
        } catch (const molvane::InvalidReaction &) {
        } catch (const molvane::CannotBalance &) {
            if (!molvane::DeriveBalance(prepared.text).noAnswer)
                std::abort();
        }
        checkTyped(typed, autoIdentify);
        checkTyped(commonNotation(typed), autoIdentify);
    }
    return 0;
}
