#include "RedoxChecker.h"

#include "core/Balance.h"
#include "core/ReactionAnalysis.h"

#include <algorithm>
#include <cctype>
#include <map>

namespace molvane {

namespace {

// The species of a written reaction with their signed coefficients (reactants negative),
// sorted; in their unit form, every count written, where Fe1O3 and FeO3 must compare equal.
std::vector<std::pair<std::string, std::int64_t>> signedTerms(
    const std::string &reaction, bool unitForms = false)
{
    std::vector<std::pair<std::string, std::int64_t>> terms;
    const ReactionSides sides = SplitReaction(reaction);
    for (const auto *side : { &sides.reactants, &sides.products })
        for (const std::string &written : *side) {
            std::size_t digits = 0;
            while (digits < written.size()
                && std::isdigit(static_cast<unsigned char>(written[digits])))
                ++digits;
            const std::int64_t count = digits ? std::stoll(written.substr(0, digits)) : 1;
            const std::string species = written.substr(digits);
            terms.emplace_back(unitForms ? ReadSubstance(species).unitForm : species,
                side == &sides.reactants ? -count : count);
        }
    std::sort(terms.begin(), terms.end());
    return terms;
}

// Atoms per element and the charge ("") of a written reaction, products less reactants; the
// electrons taken in counted into @p electrons.
std::map<std::string, std::int64_t> imbalance(const std::string &reaction, std::int64_t &electrons)
{
    std::map<std::string, std::int64_t> sums;
    electrons = 0;
    for (const auto &[species, count] : signedTerms(reaction)) {
        const SubstanceFormula formula = ReadSubstance(species);
        if (formula.electron)
            electrons -= count;
        sums[""] += count * formula.charge;
        for (std::size_t i = 0; i < formula.symbols.size(); ++i)
            sums[formula.symbols[i]] += count * formula.counts[i];
    }
    std::erase_if(sums, [](const auto &entry) { return entry.second == 0; });
    return sums;
}

std::string halfFault(const HalfReaction &half)
{
    std::int64_t electrons = 0;
    for (const std::string *text : { &half.forCharge, &half.inBase }) {
        if (text->empty())
            continue;
        if (!imbalance(*text, electrons).empty())
            return "not conserved: " + *text;
        if ((half.oxidation ? -electrons : electrons) != half.electrons)
            return "electrons on the wrong side: " + *text;
    }
    return {};
}

} // namespace

std::string RedoxFault(const RedoxWorking &working)
{
    switch (working.method) {
    case RedoxWorking::Method::HalfReactions: {
        if (working.halves.size() != 2
            || working.halves[0].oxidation == working.halves[1].oxidation)
            return "not one oxidation and one reduction";
        for (const HalfReaction &half : working.halves)
            if (std::string fault = halfFault(half); !fault.empty())
                return fault;
        if (working.halves[0].electrons * working.halves[0].multiplier
            != working.halves[1].electrons * working.halves[1].multiplier)
            return "the electrons do not cancel";
        std::int64_t electrons = 0;
        if (!imbalance(working.sum, electrons).empty() || electrons != 0)
            return "the sum is not balanced: " + working.sum;
        if (!imbalance(working.result, electrons).empty() || electrons != 0)
            return "the result is not balanced: " + working.result;
        if (!working.agrees
            || signedTerms(working.result, true) != signedTerms(working.balanced, true))
            return "the sum is not Balance's answer: " + working.result;
        return {};
    }
    case RedoxWorking::Method::OxidationNumbers:
        if (!working.agrees || working.transfers.size() != 2)
            return "the ratio is not Balance's";
        return {};
    case RedoxWorking::Method::NoChange:
        return working.changes.empty() ? "" : "changes found";
    case RedoxWorking::Method::NotApplicable:
        return working.reason == RedoxWorking::Reason::None ? "no reason given" : "";
    }
    return "unknown method";
}

} // namespace molvane
