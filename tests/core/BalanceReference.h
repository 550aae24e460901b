#pragma once

#include "core/Balance.h"

#include <string_view>

namespace molvane::reference {

/// The Balance path as it was before the work done twice around the text solver was removed:
/// the faster path must give the same outcome, text, coefficients and weights.
BalancedReaction Balance(std::string_view normalisedText);

} // namespace molvane::reference
