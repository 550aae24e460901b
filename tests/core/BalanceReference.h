#pragma once

#include "core/Balance.h"
#include "core/CoefficientSolver.h"

#include <string_view>

namespace molvane::reference {

/// The Balance path as it was before the work done twice around the text solver was removed:
/// the faster path must give the same outcome, text, coefficients and weights.
BalancedReaction Balance(std::string_view normalisedText);

/// The text solver as it was, which the reference path solves with.
std::vector<std::string> BuildEquations(const std::vector<std::string> &elements,
    const std::vector<std::string> &countVectors, int reactantCount);
bool SolveCoefficients(const std::vector<std::string> &countVectors,
    const std::vector<std::string> &lines, int substanceCount, ResultList &results,
    const MillisecondClock &clock);
bool SolverPass(std::vector<std::string> &lines, ResultList &results, int substanceCount);
ResultList IntegerCoefficients(const ResultList &results);

} // namespace molvane::reference
