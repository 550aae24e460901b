#include "core/BalanceDiagnosis.h"

#include "core/Errors.h"

#include <algorithm>

namespace molvane {

namespace {

std::vector<std::vector<std::int32_t>> withoutRow(
    const std::vector<std::vector<std::int32_t>> &counts, std::size_t row)
{
    std::vector<std::vector<std::int32_t>> reduced = counts;
    for (std::vector<std::int32_t> &substance : reduced)
        substance.erase(substance.begin() + std::ptrdiff_t(row));
    return reduced;
}

bool allPositive(const std::vector<std::int64_t> &answer)
{
    return std::all_of(answer.begin(), answer.end(), [](std::int64_t v) { return v > 0; });
}

// The row that keeps every answer at zero: the first whose removal leaves one all-positive
// answer, else the first whose removal leaves any answer at all. The charge is tried first:
// an ion whose charge cannot be matched is usually a half-reaction without its electrons.
ReactionFault unmatchedRow(const std::vector<std::vector<std::int32_t>> &counts,
    const std::vector<std::string> &rows, int reactantCount)
{
    std::vector<std::size_t> order;
    for (std::size_t r = 0; r < rows.size(); ++r)
        order.insert(rows[r].empty() ? order.begin() : order.end(), r);
    std::size_t fallback = rows.size();
    for (const std::size_t r : order) {
        ExactAnswer reduced;
        try {
            reduced = SolveExactly(withoutRow(counts, r), reactantCount);
        } catch (const ConversionError &) {
            continue;
        }
        if (reduced.freeRatios == 1 && allPositive(reduced.answer))
            return { rows[r].empty() ? FaultCause::ChargeNotMatched : FaultCause::OnlyZero, rows[r],
                0, 0 };
        if (reduced.freeRatios > 0 && fallback == rows.size())
            fallback = r;
    }
    if (fallback == rows.size())
        return { FaultCause::OnlyZero, {}, 0, 0 };
    return { rows[fallback].empty() ? FaultCause::ChargeNotMatched : FaultCause::OnlyZero,
        rows[fallback], 0, 0 };
}

} // namespace

ReactionFault DiagnoseNoAnswer(const std::vector<std::vector<std::int32_t>> &counts,
    const std::vector<std::string> &rows, int reactantCount, const ExactAnswer &exact)
{
    if (exact.freeRatios > 1)
        return { FaultCause::SeveralReactions, {}, 0, 0 };
    if (exact.freeRatios == 0)
        return unmatchedRow(counts, rows, reactantCount);
    // The answer's sign is free: the substances in the minority are the ones misplaced.
    const auto negatives = std::count_if(
        exact.answer.begin(), exact.answer.end(), [](std::int64_t v) { return v < 0; });
    const auto positives = std::count_if(
        exact.answer.begin(), exact.answer.end(), [](std::int64_t v) { return v > 0; });
    const bool flip = negatives > positives;
    for (std::size_t s = 0; s < exact.answer.size(); ++s)
        if (flip ? exact.answer[s] > 0 : exact.answer[s] < 0)
            return { FaultCause::NegativeCoefficient, {}, int(s) + 1, 0 };
    for (std::size_t s = 0; s < exact.answer.size(); ++s)
        if (exact.answer[s] == 0)
            return { FaultCause::ZeroCoefficient, {}, int(s) + 1, 0 };
    return {};
}

} // namespace molvane
