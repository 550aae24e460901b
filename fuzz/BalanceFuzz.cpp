// Any bytes as a typed reaction, through the whole Balance path. Every input must end in
// coefficients that really balance the reaction, or in one of the two failures, and in exactly
// what the reference path kept beside the tests gives; the working of a balance ends in its
// coefficients, that of a reaction without one answer says so.
#include "BalanceReference.h"
#include "BalanceSamples.h"

#include "core/Balance.h"
#include "core/Derivation.h"
#include "core/Errors.h"
#include "core/ReactionAnalysis.h"
#include "core/ReactionSyntax.h"
#include "core/ReactionText.h"
#include "core/SubstanceFormula.h"

#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>

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

// Adds one substance of the analysed text, read as its own grammar reads it.
void tally(const std::string &formula, bool extended, __int128 factor, Tally &sums)
{
    using namespace molvane;
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
        const std::string then = molvane::MissesASubstance(prepared.text)
            ? "invalid"
            : outcome([&] { return molvane::reference::Balance(prepared.text); });
        if (now != then)
            std::abort();
        const std::string problem = molvane::ProblemComparison(prepared.text);
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
    }
    return 0;
}
