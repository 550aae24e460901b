#pragma once

#include "core/Balance.h"

#include <string_view>

namespace molvane::reference {

/// The Balance path as it was before its repeated work was removed: the faster path must read
/// the same problem and give the same outcome, text, coefficients and weights. Its text solver
/// always gave the exact answer where it gave one, so the exact answer stands in for it.
BalanceProblem ReadBalanceProblem(std::string_view normalisedText);
BalancedReaction Balance(std::string_view normalisedText);

} // namespace molvane::reference
