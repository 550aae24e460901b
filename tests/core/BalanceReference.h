#pragma once

#include "core/Balance.h"

#include <string_view>

namespace molvane::reference {

/// The Balance path as it was before its repeated work was removed: the faster path must read
/// the same problem and give the same outcome, text, coefficients and weights.
BalanceProblem ReadBalanceProblem(std::string_view normalisedText);
TextSolverAnswer SolveAsText(
    const BalanceProblem &problem, const MillisecondClock &clock = SteadyMilliseconds);
BalancedReaction Balance(
    std::string_view normalisedText, const MillisecondClock &clock = SteadyMilliseconds);

} // namespace molvane::reference
