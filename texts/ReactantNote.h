#pragma once

#include "grid/LimitingReactant.h"
#include "texts/InterfaceLanguage.h"

#include <string>

namespace molvane {

/// What Calculate Grid says about the reactants given: which one limits the products and what
/// is left of each other one, in the column it was typed in, or that none can be decided.
/// Empty when at most one reactant was given. A reactant is named by its formula cell, or by
/// its row number when it has none.
std::string ReactantNote(
    const GridModel &grid, const ReactantOutcome &outcome, UiLanguage language);

} // namespace molvane
