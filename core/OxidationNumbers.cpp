#include "core/OxidationNumbers.h"

#include <algorithm>
#include <map>

namespace molvane {

namespace {

bool isOneOf(const std::string &symbol, std::initializer_list<std::string_view> symbols)
{
    return std::find(symbols.begin(), symbols.end(), symbol) != symbols.end();
}

bool isAlkali(const std::string &s)
{
    return isOneOf(s, { "Li", "Na", "K", "Rb", "Cs", "Fr" });
}

bool isAlkalineEarth(const std::string &s)
{
    return isOneOf(s, { "Be", "Mg", "Ca", "Sr", "Ba", "Ra" });
}

// Metals whose hydrides give hydrogen -1 (LiAlH4, NaBH4 included).
bool formsHydride(const std::string &s)
{
    return isAlkali(s) || isAlkalineEarth(s) || isOneOf(s, { "Al", "B" });
}

// The usual states of metals (and metalloids) with more than one, lowest first.
const std::map<std::string, std::vector<int>> &metalStates()
{
    static const std::map<std::string, std::vector<int>> states { { "Cu", { 1, 2 } },
        { "Fe", { 2, 3 } }, { "Mn", { 2, 3, 4 } }, { "Cr", { 2, 3 } }, { "Co", { 2, 3 } },
        { "Ni", { 2 } }, { "Zn", { 2 } }, { "Ag", { 1 } }, { "Al", { 3 } }, { "Pb", { 2, 4 } },
        { "Sn", { 2, 4 } }, { "Hg", { 1, 2 } }, { "Au", { 1, 3 } }, { "Cd", { 2 } },
        { "Ti", { 2, 3, 4 } }, { "V", { 2, 3, 4, 5 } }, { "As", { 3, 5 } }, { "Sb", { 3, 5 } },
        { "Bi", { 3 } }, { "Pt", { 2, 4 } }, { "Ga", { 3 } } };
    return states;
}

// The usual states of a non-metal beside a metal: alone with it (its lowest), or with oxygen
// (its oxyanions', highest first).
std::vector<int> partnerStates(const std::string &s, bool withOxygen)
{
    static const std::map<std::string, std::vector<int>> oxyanions { { "N", { 5, 3 } },
        { "S", { 6, 4 } }, { "P", { 5 } }, { "C", { 4 } }, { "Cl", { 7, 5, 3, 1 } },
        { "Br", { 5, 1 } }, { "I", { 7, 5 } }, { "Si", { 4 } }, { "Se", { 6, 4 } }, { "Cr", { 6 } },
        { "Mn", { 7, 6 } }, { "As", { 5, 3 } } };
    static const std::map<std::string, int> lowest { { "Cl", -1 }, { "Br", -1 }, { "I", -1 },
        { "S", -2 }, { "Se", -2 }, { "Te", -2 }, { "N", -3 }, { "P", -3 }, { "C", -4 } };
    if (withOxygen) {
        const auto it = oxyanions.find(s);
        return it == oxyanions.end() ? std::vector<int> {} : it->second;
    }
    const auto it = lowest.find(s);
    return it == lowest.end() ? std::vector<int> {} : std::vector<int> { it->second };
}

class Assignment
{
public:
    explicit Assignment(const SubstanceFormula &substance)
        : m_substance(substance)
        , m_numbers(substance.symbols.size())
    { }

    bool has(std::string_view symbol) const
    {
        return std::find(m_substance.symbols.begin(), m_substance.symbols.end(), symbol)
            != m_substance.symbols.end();
    }

    void set(std::size_t i, Fraction number) { m_numbers[i] = number; }

    const std::string &symbol(std::size_t i) const { return m_substance.symbols[i]; }

    std::vector<std::size_t> open() const
    {
        std::vector<std::size_t> left;
        for (std::size_t i = 0; i < m_numbers.size(); ++i)
            if (!m_numbers[i])
                left.push_back(i);
        return left;
    }

    // What the open elements share: the charge less what the assigned ones carry.
    Fraction remainder() const
    {
        Fraction rest = FromInteger(m_substance.charge);
        for (std::size_t i = 0; i < m_numbers.size(); ++i)
            if (m_numbers[i])
                rest = Add(rest, Multiply(*m_numbers[i], FromInteger(-m_substance.counts[i])));
        return rest;
    }

    // The one open element takes the remainder, averaged over its atoms.
    void settleLast()
    {
        const std::vector<std::size_t> left = open();
        if (left.size() == 1) {
            const Fraction each = Reduce(Multiply(
                remainder(), Reduce(Reciprocal(FromInteger(m_substance.counts[left[0]])))));
            // Zero as 0/1, so that numbers compare equal (Cl4 and Cl2 both 0).
            m_numbers[left[0]] = each.numerator == 0 ? FromInteger(0) : each;
        }
    }

    std::vector<OxidationNumber> result() const
    {
        std::vector<OxidationNumber> out;
        for (std::size_t i = 0; i < m_numbers.size(); ++i)
            out.push_back({ m_substance.symbols[i], m_numbers[i] });
        return out;
    }

    const SubstanceFormula &substance() const { return m_substance; }

private:
    const SubstanceFormula &m_substance;
    std::vector<std::optional<Fraction>> m_numbers;
};

void assignFixed(Assignment &a)
{
    const SubstanceFormula &s = a.substance();
    const bool hydride = std::all_of(s.symbols.begin(), s.symbols.end(),
        [](const std::string &e) { return e == "H" || formsHydride(e); });
    // Oxygen is -2 unless its partners are all of fixed state (a peroxide or superoxide
    // shows then) or fluorine takes its place.
    const bool oxygenFromRest
        = a.has("F") || std::all_of(s.symbols.begin(), s.symbols.end(), [](const std::string &e) {
              return e == "O" || e == "H" || isAlkali(e) || isAlkalineEarth(e);
          });
    const bool halide = !a.has("O") && !a.has("F");
    for (std::size_t i = 0; i < s.symbols.size(); ++i) {
        const std::string &e = s.symbols[i];
        if (e == "F" || (halide && s.symbols.size() > 2 && isOneOf(e, { "Cl", "Br", "I" })))
            a.set(i, FromInteger(-1));
        else if (isAlkali(e))
            a.set(i, FromInteger(1));
        else if (isAlkalineEarth(e))
            a.set(i, FromInteger(2));
        else if (e == "H")
            a.set(i, FromInteger(hydride && s.symbols.size() > 1 ? -1 : 1));
        else if (e == "O" && !oxygenFromRest)
            a.set(i, FromInteger(-2));
    }
}

// A metal of several states and one other element left: the metal's state that leaves the
// other one of its usual states.
void assignMetalAndPartner(Assignment &a)
{
    const std::vector<std::size_t> left = a.open();
    if (left.size() != 2)
        return;
    for (const auto &[metal, partner] :
        { std::pair(left[0], left[1]), std::pair(left[1], left[0]) }) {
        const auto states = metalStates().find(a.symbol(metal));
        if (states == metalStates().end())
            continue;
        const std::int32_t metalCount = a.substance().counts[metal];
        const std::int32_t partnerCount = a.substance().counts[partner];
        for (const int state : partnerStates(a.symbol(partner), a.has("O"))) {
            const Fraction rest
                = Add(a.remainder(), FromInteger(-std::int64_t(state) * partnerCount));
            const Fraction each
                = Reduce(Multiply(rest, Reduce(Reciprocal(FromInteger(metalCount)))));
            if (each.denominator == 1
                && std::count(states->second.begin(), states->second.end(), each.numerator) > 0) {
                a.set(partner, FromInteger(state));
                a.set(metal, each);
                return;
            }
        }
    }
}

} // namespace

std::vector<OxidationNumber> OxidationNumbers(const SubstanceFormula &substance)
{
    if (substance.electron || substance.symbols.empty())
        return {};
    Assignment a(substance);
    if (substance.symbols.size() > 1) {
        assignFixed(a);
        assignMetalAndPartner(a);
    }
    a.settleLast();
    return a.result();
}

std::string OxidationText(Fraction number)
{
    number = Reduce(number);
    if (number.numerator == 0)
        return "0";
    const std::string text
        = number.denominator == 1 ? std::to_string(number.numerator) : ToText(number);
    return number.numerator > 0 ? "+" + text : text;
}

std::string OxidationListText(
    const std::vector<OxidationNumber> &numbers, std::string_view separator)
{
    std::string text;
    for (const OxidationNumber &n : numbers)
        text += (text.empty() ? "" : std::string(separator)) + n.element + " "
            + (n.number ? OxidationText(*n.number) : "?");
    return text;
}

} // namespace molvane
