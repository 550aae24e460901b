#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace molvane {

inline constexpr int ElementCount = 103;

/// Element symbols in table order.
extern const std::array<std::string_view, ElementCount> MetsLst;
/// Atomic weights as decimal text, parallel to MetsLst.
extern const std::array<std::string_view, ElementCount> AWList;

inline constexpr int IupacElementCount = 118;

/// The current symbols in order of atomic number, hydrogen first.
extern const std::array<std::string_view, IupacElementCount> IupacSymbols;
/// IUPAC's 2021 standard atomic weights abridged to five significant figures, the conventional
/// value for an element given as an interval, and for an element with no standard weight the
/// mass number of its longest-lived isotope in brackets; parallel to IupacSymbols.
extern const std::array<std::string_view, IupacElementCount> IupacWeights;

/// Which atomic weights every formula weight and every element look-up uses.
enum class WeightTable { Original, Iupac2021 };

/// The table in force for the whole program from now on; Original until chosen.
void UseWeightTable(WeightTable table);
WeightTable CurrentWeightTable();

/// The symbols and weight texts of the table in force, parallel.
struct ElementList
{
    std::span<const std::string_view> symbols;
    std::span<const std::string_view> weights;
};
ElementList CurrentElements();

/// Index in the table in force of the first symbol equal to @p symbol ignoring letter case.
std::optional<int> FindElement(std::string_view symbol);

/// The weight of element @p index of the table in force as a number; a mass number in
/// brackets counts as that many units.
long double AtomicWeight(int index);

} // namespace molvane
