#pragma once

#include <cstdint>
#include <vector>

namespace molvane {

/// The answers of a reaction's element balance, found with exact integer arithmetic.
struct ExactAnswer
{
    /// Independent ratios the balance leaves free: 1 for a reaction with one answer,
    /// 0 when only all-zero coefficients balance it.
    int freeRatios = 0;
    /// With exactly one free ratio: the answer in smallest whole numbers, its first non-zero
    /// entry positive. Empty otherwise.
    std::vector<std::int64_t> answer;
};

/// @p substanceCounts holds each substance's atoms per element, reactants first.
/// Throws ConversionError when an intermediate value leaves the 128-bit range.
ExactAnswer SolveExactly(
    const std::vector<std::vector<std::int32_t>> &substanceCounts, int reactantCount);

} // namespace molvane
