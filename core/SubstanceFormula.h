#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace molvane {

/// One substance of the extended language: parts joined by "*", each with an optional
/// whole-number multiplier before it ("CuSO4*5H2O"), square brackets grouping like round ones,
/// and an optional charge in braces at the end ("Fe{3+}"). The electron is "e{-}".
struct SubstanceFormula
{
    std::vector<std::string> symbols; ///< in order of first appearance, compared ignoring case
    std::vector<std::int32_t> counts; ///< atoms per symbol in one formula unit
    std::int32_t charge = 0;
    bool electron = false;
    /// Every omitted count written as "1" and the charge in its canonical form, ready for the
    /// balanced text: Fe{+3} gives Fe1{3+}.
    std::string unitForm;
};

/// The weight the formula weight gives an electron.
inline constexpr std::string_view ElectronWeight = "0.000549";

/// Reads one substance. Throws InvalidReaction on text outside the language or a count
/// beyond 32 bits.
SubstanceFormula ReadSubstance(std::string_view text);

/// A charge as the balanced text writes it: magnitude then sign, 1 left out ("{2+}", "{-}");
/// empty for no charge.
std::string ChargeText(std::int32_t charge);

/// A substance as the balanced text writes it, its charge in the canonical form: Fe{+3} gives
/// Fe{3+}. Throws InvalidReaction as ReadSubstance does.
std::string CanonicalSubstance(std::string_view text);

} // namespace molvane
