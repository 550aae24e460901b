#pragma once

#include "core/Fraction.h"
#include "core/SubstanceFormula.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace molvane {

/// The oxidation number of one element of a substance: an average fraction where the rules
/// give one (Fe in Fe3O4: 8/3), none where they cannot assign one.
struct OxidationNumber
{
    std::string element;
    std::optional<Fraction> number;

    friend bool operator==(const OxidationNumber &, const OxidationNumber &) = default;
};

/// The oxidation numbers of every element of @p substance, in the order of its symbols, by
/// the rules a textbook gives: an element alone 0 (a monatomic ion its charge); F -1; O -2
/// except in peroxides, superoxides and with F; H +1 except in metal hydrides; alkali metals
/// +1, alkaline earths +2; Cl, Br and I -1 where no O or F is present; the one element left
/// from the substance's charge. Where two are left, a metal of several states takes the one
/// that leaves its partner a usual state (Cu in CuSO4: +2). Empty for the electron.
std::vector<OxidationNumber> OxidationNumbers(const SubstanceFormula &substance);

/// "+7", "-2", "0", "+8/3".
std::string OxidationText(Fraction number);

/// "K +1, Mn +7, O -2", an element without one "Fe ?"; @p separator parts them.
std::string OxidationListText(
    const std::vector<OxidationNumber> &numbers, std::string_view separator = ", ");

} // namespace molvane
