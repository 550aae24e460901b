#pragma once

#include "core/ExactSolver.h"
#include "core/ReactionFault.h"

#include <cstdint>
#include <string>
#include <vector>

namespace molvane {

/// Why a well-formed reaction has no single all-positive answer. @p rows names each balance
/// row of @p counts (an element; an empty name is the charge); @p exact is the exact answer of
/// @p counts. Substances count from 1.
ReactionFault DiagnoseNoAnswer(const std::vector<std::vector<std::int32_t>> &counts,
    const std::vector<std::string> &rows, int reactantCount, const ExactAnswer &exact);

} // namespace molvane
