#include "core/Redox.h"

#include "core/Balance.h"
#include "core/Errors.h"
#include "core/ReactionAnalysis.h"

#include <algorithm>
#include <numeric>
#include <optional>

namespace molvane {

namespace {

// Products and least common multiples that leave 64 bits throw ConversionError.
std::int64_t product(std::int64_t a, std::int64_t b)
{
    return Multiply(FromInteger(a), FromInteger(b)).numerator;
}

std::int64_t leastCommonMultiple(std::int64_t a, std::int64_t b)
{
    return product(a / Gcd(a, b), b);
}

// A reaction as signed coefficients: reactants negative, products positive, in order.
class Terms
{
public:
    void add(const std::string &species, std::int64_t coefficient)
    {
        if (coefficient == 0)
            return;
        const auto it = std::find_if(m_terms.begin(), m_terms.end(),
            [&](const auto &term) { return term.first == species; });
        if (it == m_terms.end())
            m_terms.emplace_back(species, coefficient);
        else
            it->second = Add(FromInteger(it->second), FromInteger(coefficient)).numerator;
        std::erase_if(m_terms, [](const auto &term) { return term.second == 0; });
    }

    void scale(std::int64_t factor)
    {
        for (auto &term : m_terms)
            term.second = product(term.second, factor);
    }

    std::int64_t of(const std::string &species) const
    {
        const auto it = std::find_if(m_terms.begin(), m_terms.end(),
            [&](const auto &term) { return term.first == species; });
        return it == m_terms.end() ? 0 : it->second;
    }

    // Atoms of @p element (or the charge, for an empty name) products less reactants.
    std::int64_t imbalance(const std::string &element) const
    {
        std::int64_t sum = 0;
        for (const auto &[species, coefficient] : m_terms) {
            const SubstanceFormula formula = ReadSubstance(species);
            if (element.empty()) {
                sum = Add(FromInteger(sum), FromInteger(product(coefficient, formula.charge)))
                          .numerator;
                continue;
            }
            for (std::size_t i = 0; i < formula.symbols.size(); ++i)
                if (formula.symbols[i] == element)
                    sum = Add(
                        FromInteger(sum), FromInteger(product(coefficient, formula.counts[i])))
                              .numerator;
        }
        return sum;
    }

    // "2H2+O2>2H2O", or without the coefficients as Balance reads a reaction.
    std::string text(bool coefficients = true) const
    {
        std::string left, right;
        for (const auto &[species, coefficient] : m_terms) {
            std::string &side = coefficient < 0 ? left : right;
            const std::int64_t size = coefficient < 0 ? -coefficient : coefficient;
            side += (side.empty() ? "" : "+")
                + (size == 1 || !coefficients ? "" : std::to_string(size)) + species;
        }
        return left + ">" + right;
    }

    const std::vector<std::pair<std::string, std::int64_t>> &terms() const { return m_terms; }

private:
    std::vector<std::pair<std::string, std::int64_t>> m_terms;
};

const std::string Water = "H2O", Proton = "H{+}", Hydroxide = "OH{-}", Electron = "e{-}";

std::int64_t countOf(const std::string &species, const std::string &element)
{
    const SubstanceFormula formula = ReadSubstance(species);
    for (std::size_t i = 0; i < formula.symbols.size(); ++i)
        if (formula.symbols[i] == element)
            return formula.counts[i];
    return 0;
}

std::optional<Fraction> numberOf(
    const std::vector<OxidationNumber> &numbers, const std::string &element)
{
    for (const OxidationNumber &n : numbers)
        if (n.element == element)
            return n.number;
    return std::nullopt;
}

bool onlyElementOxygenHydrogen(const std::string &species, const std::string &element)
{
    const SubstanceFormula formula = ReadSubstance(species);
    return std::all_of(formula.symbols.begin(), formula.symbols.end(),
        [&](const std::string &s) { return s == element || s == "O" || s == "H"; });
}

// The half-reaction of @p change with its terms as balanced, the electrons' included.
std::pair<HalfReaction, Terms> halfReaction(const RedoxChange &change, RedoxMedium medium)
{
    HalfReaction half;
    half.oxidation = change.oxidised;
    half.element = change.element;
    Terms terms;
    terms.add(change.reactant, -1);
    terms.add(change.product, 1);
    half.skeleton = terms.text();
    const std::int64_t a = countOf(change.reactant, change.element);
    const std::int64_t b = countOf(change.product, change.element);
    if (a == 0 || b == 0)
        throw ConversionError("the element of a change is missing from its substance");
    const std::int64_t common = leastCommonMultiple(a, b);
    terms = {};
    terms.add(change.reactant, -common / a);
    terms.add(change.product, common / b);
    half.forElement = terms.text();
    terms.add(Water, -terms.imbalance("O"));
    half.forOxygen = terms.text();
    terms.add(Proton, -terms.imbalance("H"));
    half.forHydrogen = terms.text();
    const std::int64_t charge = terms.imbalance({});
    terms.add(Electron, charge);
    half.forCharge = terms.text();
    half.electrons = charge < 0 ? -charge : charge;
    if (medium == RedoxMedium::Base && terms.of(Proton) != 0) {
        // As many OH{-} on both sides as there are H{+}: they make water with it.
        const std::int64_t protons = terms.of(Proton);
        terms.add(Proton, -protons);
        terms.add(Water, protons);
        terms.add(Hydroxide, -protons);
        half.inBase = terms.text();
    }
    return { half, terms };
}

// The half-reactions multiplied to the same electrons, added side by side, then cancelled.
Terms addHalves(RedoxWorking &working, std::vector<Terms> halves)
{
    const std::int64_t electrons
        = leastCommonMultiple(working.halves[0].electrons, working.halves[1].electrons);
    Terms left, right, result;
    for (std::size_t h = 0; h < halves.size(); ++h) {
        working.halves[h].multiplier = electrons / working.halves[h].electrons;
        halves[h].scale(working.halves[h].multiplier);
        for (const auto &[species, coefficient] : halves[h].terms()) {
            (coefficient < 0 ? left : right).add(species, coefficient);
            result.add(species, coefficient);
        }
    }
    // Each side summed apart: a species on both sides stays until it is cancelled.
    working.sum = left.text() + right.text().substr(1);
    // Written in the smallest whole numbers, as Balance writes its answer.
    std::int64_t divisor = 0;
    for (const auto &term : result.terms())
        divisor = std::gcd(divisor, term.second);
    Terms smallest;
    for (const auto &[species, coefficient] : result.terms())
        smallest.add(species, coefficient / divisor);
    working.result = smallest.text();
    return smallest;
}

// The oxidation numbers of every substance; false, with the reason, where one is missing.
bool assignNumbers(RedoxWorking &working)
{
    for (std::size_t s = 0; s < working.substances.size(); ++s) {
        working.numbers.push_back(OxidationNumbers(ReadSubstance(working.substances[s])));
        for (const OxidationNumber &n : working.numbers.back()) {
            if (!n.number && working.reason == RedoxWorking::Reason::None) {
                working.reason = RedoxWorking::Reason::CannotAssign;
                working.substance = working.substances[s];
            }
        }
    }
    return working.reason == RedoxWorking::Reason::None;
}

bool rises(Fraction from, Fraction to)
{
    return Add(to, Multiply(from, FromInteger(-1))).numerator > 0;
}

// The numbers of @p element per substance of one side, where it stands.
std::vector<std::pair<std::size_t, Fraction>> statesOf(
    const RedoxWorking &working, const std::string &element, std::size_t from, std::size_t to)
{
    std::vector<std::pair<std::size_t, Fraction>> states;
    for (std::size_t s = from; s < to; ++s)
        if (const std::optional<Fraction> n = numberOf(working.numbers[s], element))
            states.emplace_back(s, Reduce(*n));
    return states;
}

bool allEqual(const std::vector<std::pair<std::size_t, Fraction>> &states)
{
    return std::all_of(states.begin(), states.end(),
        [&](const auto &state) { return state.second == states.front().second; });
}

// Each element whose number changes: from its one number in the reactants to each other
// number in the products, or from each reactant number to the one number in the products
// (oxygen of O2 beside the oxygen of a fuel, sulfur of H2S and SO2 meeting in S).
bool findChanges(RedoxWorking &working, int reactantCount)
{
    std::vector<std::string> elements;
    for (const std::vector<OxidationNumber> &numbers : working.numbers)
        for (const OxidationNumber &n : numbers)
            if (std::find(elements.begin(), elements.end(), n.element) == elements.end())
                elements.push_back(n.element);
    const std::size_t split = std::size_t(reactantCount);
    for (const std::string &element : elements) {
        const auto before = statesOf(working, element, 0, split);
        const auto after = statesOf(working, element, split, working.substances.size());
        if (before.empty() || after.empty())
            continue;
        const auto change = [&](const auto &from, const auto &to) {
            if (from.second != to.second)
                working.changes.push_back(
                    { element, from.second, to.second, working.substances[from.first],
                        working.substances[to.first], rises(from.second, to.second) });
        };
        if (allEqual(before)) {
            for (const auto &to : after)
                change(before.front(), to);
        } else if (allEqual(after)) {
            for (const auto &from : before)
                change(from, after.front());
        } else {
            working.reason = RedoxWorking::Reason::MixedStates;
            working.substance = element;
            return false;
        }
    }
    return true;
}

bool isIonic(const RedoxWorking &working)
{
    return std::any_of(working.substances.begin(), working.substances.end(),
        [](const std::string &s) { return ReadSubstance(s).charge != 0; });
}

RedoxMedium mediumOf(const RedoxWorking &working, RedoxMedium asked)
{
    if (asked != RedoxMedium::FromSpecies)
        return asked;
    const bool base = std::find(working.substances.begin(), working.substances.end(), Hydroxide)
        != working.substances.end();
    return base ? RedoxMedium::Base : RedoxMedium::Acid;
}

// Electrons per formula unit, of a whole number.
std::optional<std::int64_t> electronsOf(Fraction change, std::int64_t atoms)
{
    const Fraction total = Reduce(Multiply(change, FromInteger(atoms)));
    if (total.denominator != 1)
        return std::nullopt;
    return total.numerator < 0 ? -total.numerator : total.numerator;
}

// The substance the changes of one direction are counted on: the product of the one element
// changing, or the one reactant that holds every element changing.
std::optional<ElectronTransfer> transferOf(const RedoxWorking &working, bool oxidised)
{
    std::vector<const RedoxChange *> changes;
    for (const RedoxChange &change : working.changes)
        if (change.oxidised == oxidised)
            changes.push_back(&change);
    if (changes.size() == 1) {
        // Counted on the product it ends in, unless the other direction ends there too.
        const RedoxChange &c = *changes[0];
        const bool shared = std::any_of(working.changes.begin(), working.changes.end(),
            [&](const RedoxChange &other) { return other.product == c.product && &other != &c; });
        const std::string &substance = shared ? c.reactant : c.product;
        const auto e = electronsOf(
            Add(c.to, Multiply(c.from, FromInteger(-1))), countOf(substance, c.element));
        return e ? std::optional(ElectronTransfer { substance, oxidised, *e, 0 }) : std::nullopt;
    }
    if (changes.empty() || std::any_of(changes.begin(), changes.end(), [&](const RedoxChange *c) {
            return c->reactant != changes[0]->reactant;
        }))
        return std::nullopt;
    std::int64_t total = 0;
    for (const RedoxChange *c : changes) {
        const auto e = electronsOf(
            Add(c->to, Multiply(c->from, FromInteger(-1))), countOf(c->reactant, c->element));
        if (!e)
            return std::nullopt;
        total = Add(FromInteger(total), FromInteger(*e)).numerator;
    }
    return ElectronTransfer { changes[0]->reactant, oxidised, total, 0 };
}

void oxidationNumberMethod(RedoxWorking &working, const Terms &balanced)
{
    working.method = RedoxWorking::Method::OxidationNumbers;
    const auto up = transferOf(working, true), down = transferOf(working, false);
    if (!up || !down) {
        working.method = RedoxWorking::Method::NotApplicable;
        working.reason = RedoxWorking::Reason::SeveralTransfers;
        return;
    }
    working.transfers = { *up, *down };
    const std::int64_t electrons = leastCommonMultiple(up->electrons, down->electrons);
    for (ElectronTransfer &t : working.transfers)
        t.coefficient = electrons / t.electrons;
    // Balance's answer holds the two substances in the same ratio.
    const std::int64_t a = balanced.of(working.transfers[0].substance);
    const std::int64_t b = balanced.of(working.transfers[1].substance);
    working.agrees = a != 0 && b != 0
        && (a < 0 ? -a : a) * working.transfers[1].coefficient
            == (b < 0 ? -b : b) * working.transfers[0].coefficient;
}

Terms balancedTerms(const BalancedReaction &balanced, int reactantCount)
{
    Terms terms;
    for (std::size_t s = 0; s < balanced.formulas.size(); ++s)
        terms.add(CanonicalSubstance(balanced.formulas[s]),
            (int(s) < reactantCount ? -1 : 1) * std::stoll(balanced.coefficients[s]));
    return terms;
}

// The cancelled sum against Balance's answer of the reaction as given, or for a skeleton
// without its water and hydrogen ions, against Balance's answer of the completed one.
void checkHalves(RedoxWorking &working, const Terms &result, std::optional<Terms> given)
{
    if (!given) {
        working.completed = result.text(false);
        const BalancedReaction completed = Balance(working.completed);
        working.balanced = completed.text;
        given = balancedTerms(completed, int(SplitReaction(completed.text).reactants.size()));
    }
    std::vector<std::pair<std::string, std::int64_t>> wanted = given->terms(), got = result.terms();
    std::sort(wanted.begin(), wanted.end());
    std::sort(got.begin(), got.end());
    working.agrees = wanted == got;
    if (!working.agrees) {
        working.method = RedoxWorking::Method::NotApplicable;
        working.reason = RedoxWorking::Reason::Unbalanced;
    }
}

void halfReactionMethod(RedoxWorking &working, RedoxMedium asked, std::optional<Terms> given)
{
    working.method = RedoxWorking::Method::HalfReactions;
    working.medium = mediumOf(working, asked);
    std::vector<Terms> halves;
    for (const bool oxidised : { true, false })
        for (const RedoxChange &change : working.changes)
            if (change.oxidised == oxidised) {
                auto [half, terms] = halfReaction(change, working.medium);
                working.halves.push_back(std::move(half));
                halves.push_back(std::move(terms));
            }
    // A half whose charge balances without electrons (a species of its element given twice
    // over, as in ClCl4) transfers nothing: the method has no answer to give.
    if (std::any_of(working.halves.begin(), working.halves.end(),
            [](const HalfReaction &half) { return half.electrons == 0; })) {
        working.method = RedoxWorking::Method::NotApplicable;
        working.reason = RedoxWorking::Reason::Unbalanced;
        return;
    }
    checkHalves(working, addHalves(working, std::move(halves)), std::move(given));
}

// Whether each direction has one change between species of its element, O and H only.
bool halvesApply(const RedoxWorking &working)
{
    int up = 0, down = 0;
    for (const RedoxChange &change : working.changes) {
        (change.oxidised ? up : down) += 1;
        if (!onlyElementOxygenHydrogen(change.reactant, change.element)
            || !onlyElementOxygenHydrogen(change.product, change.element))
            return false;
    }
    return up == 1 && down == 1;
}

} // namespace

namespace {

RedoxWorking workRedox(std::string_view normalisedText, RedoxMedium medium)
{
    // The grammar as Balance reads it; a skeleton may still lack an element on one side.
    try {
        ReadBalanceProblem(normalisedText);
    } catch (const InvalidReaction &e) {
        if (e.fault().cause != FaultCause::OneSideElement)
            throw;
    }
    const ReactionSides sides = SplitReaction(normalisedText);
    const int reactantCount = int(sides.reactants.size());
    RedoxWorking working;
    for (const std::vector<std::string> *side : { &sides.reactants, &sides.products })
        for (const std::string &substance : *side)
            working.substances.push_back(CanonicalSubstance(substance));
    std::optional<Terms> given;
    try {
        const BalancedReaction balanced = Balance(normalisedText);
        working.balanced = balanced.text;
        given = balancedTerms(balanced, reactantCount);
    } catch (const ReactionError &) { }
    if (!assignNumbers(working) || !findChanges(working, reactantCount)) {
        working.method = RedoxWorking::Method::NotApplicable;
        return working;
    }
    const bool up = std::any_of(working.changes.begin(), working.changes.end(),
        [](const RedoxChange &c) { return c.oxidised; });
    const bool down = std::any_of(working.changes.begin(), working.changes.end(),
        [](const RedoxChange &c) { return !c.oxidised; });
    if (working.changes.empty())
        return working;
    if (!up || !down) {
        working.method = RedoxWorking::Method::NotApplicable;
        working.reason = RedoxWorking::Reason::OneSideOnly;
        return working;
    }
    if (isIonic(working) && halvesApply(working)) {
        halfReactionMethod(working, medium, std::move(given));
        return working;
    }
    if (!given)
        throw CannotBalance("no unique positive answer");
    oxidationNumberMethod(working, *given);
    if (!working.agrees && working.method == RedoxWorking::Method::OxidationNumbers) {
        working.method = RedoxWorking::Method::NotApplicable;
        working.reason = RedoxWorking::Reason::Unbalanced;
    }
    return working;
}

} // namespace

RedoxWorking WorkRedox(std::string_view normalisedText, RedoxMedium medium)
{
    try {
        return workRedox(normalisedText, medium);
    } catch (const ConversionError &) {
        throw InvalidReaction("values beyond range");
    }
}

std::string CompleteRedox(std::string_view normalisedText, RedoxMedium medium)
{
    const RedoxWorking working = WorkRedox(normalisedText, medium);
    if (working.method != RedoxWorking::Method::HalfReactions || !working.agrees
        || working.completed.empty())
        throw CannotBalance("the half-reactions do not complete the reaction");
    return working.completed;
}

} // namespace molvane
