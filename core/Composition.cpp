#include "core/Composition.h"

#include "core/ElementTable.h"
#include "core/Errors.h"
#include "core/NumberFormat.h"
#include "core/ReactionAnalysis.h"
#include "core/SubstanceFormula.h"

#include <array>
#include <charconv>

namespace molvane {

namespace {

std::string twoDecimals(double value)
{
    std::array<char, 64> buffer {};
    const auto result = std::to_chars(
        buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, 2);
    return std::string(buffer.data(), result.ptr);
}

} // namespace

Composition FormulaComposition(std::string_view formula)
{
    const FormulaAtoms atoms = AtomsOfFormula(formula);
    Composition composition;
    if (atoms.electron) {
        composition.weight = ElectronWeight;
        composition.elements.push_back(
            { "e", 1, std::string(ElectronWeight), std::string(ElectronWeight), twoDecimals(100) });
        return composition;
    }
    std::vector<double> masses;
    double total = 0;
    const ElementList table = CurrentElements();
    for (std::size_t i = 0; i < atoms.symbols.size(); ++i) {
        const std::optional<int> index = FindElement(atoms.symbols[i]);
        if (!index) // FormulaWeight has thrown for it already
            throw InvalidReaction("unknown element " + atoms.symbols[i]);
        const double mass
            = double(static_cast<long double>(atoms.counts[i]) * AtomicWeight(*index));
        masses.push_back(mass);
        total += mass;
        composition.elements.push_back({ std::string(table.symbols[*index]), atoms.counts[i],
            std::string(table.weights[*index]), FormatGeneral(mass), {} });
    }
    composition.weight = WeightOfAtoms(atoms.symbols, atoms.counts);
    for (std::size_t i = 0; i < masses.size(); ++i)
        composition.elements[i].percent = twoDecimals(total == 0 ? 0 : 100 * masses[i] / total);
    return composition;
}

std::string ShareLine(const ElementShare &share)
{
    return share.symbol + '\t' + std::to_string(share.count) + '\t' + share.atomicWeight + '\t'
        + share.mass + '\t' + share.percent;
}

} // namespace molvane
