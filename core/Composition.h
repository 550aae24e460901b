#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace molvane {

/// One element's part of a formula weight.
struct ElementShare
{
    std::string symbol; ///< as the table in force writes it
    std::int32_t count = 0;
    std::string atomicWeight; ///< the table's text, a mass number in brackets
    std::string mass; ///< count x atomic weight, in general format
    std::string percent; ///< of the formula weight, two decimals
};

/// What a formula is made of: its weight, as FormulaWeight gives it, and each element's share
/// in order of first appearance, hydrates' water and every part of a formula counted; an ion
/// weighs as its atoms, the electron is its one row "e". Throws InvalidReaction as
/// FormulaWeight does.
struct Composition
{
    std::string weight;
    std::vector<ElementShare> elements;
};
Composition FormulaComposition(std::string_view formula);

/// A share as one tab-separated line: symbol, count, atomic weight, mass, mass percent.
std::string ShareLine(const ElementShare &share);

} // namespace molvane
