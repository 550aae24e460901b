#include "core/BalanceDiagnosis.h"

#include "core/Errors.h"

#include <algorithm>
#include <optional>

namespace molvane {

namespace {

std::vector<std::vector<std::int32_t>> withoutRows(
    const std::vector<std::vector<std::int32_t>> &counts, const std::vector<std::size_t> &rows)
{
    std::vector<std::vector<std::int32_t>> reduced = counts;
    for (std::vector<std::int32_t> &substance : reduced)
        for (auto r = rows.rbegin(); r != rows.rend(); ++r)
            substance.erase(substance.begin() + std::ptrdiff_t(*r));
    return reduced;
}

bool allPositive(const std::vector<std::int64_t> &answer)
{
    return std::all_of(answer.begin(), answer.end(), [](std::int64_t v) { return v > 0; });
}

// How well the reaction balances without @p rows: 2 for one all-positive answer, 1 for any
// answer at all, 0 for none.
int answerWithout(const std::vector<std::vector<std::int32_t>> &counts,
    const std::vector<std::size_t> &rows, int reactantCount)
{
    try {
        const ExactAnswer reduced = SolveExactly(withoutRows(counts, rows), reactantCount);
        if (reduced.freeRatios == 1 && allPositive(reduced.answer))
            return 2;
        return reduced.freeRatios > 0 ? 1 : 0;
    } catch (const ConversionError &) {
        return 0;
    }
}

// The next set of @p size rows out of @p total after @p set, in increasing order; false after
// the last.
bool nextSet(std::vector<std::size_t> &set, std::size_t total)
{
    for (std::size_t i = set.size(); i-- > 0;) {
        if (set[i] + (set.size() - i) < total) {
            ++set[i];
            for (std::size_t j = i + 1; j < set.size(); ++j)
                set[j] = set[j - 1] + 1;
            return true;
        }
    }
    return false;
}

// The rows that keep every answer at zero: the smallest set whose removal leaves one
// all-positive answer, else the smallest whose removal leaves any answer at all. The charge is
// tried first: an ion whose charge cannot be matched is usually a half-reaction without its
// electrons. Sets of more than three rows explain nothing a reader can use.
ReactionFault unmatchedRows(const std::vector<std::vector<std::int32_t>> &counts,
    const std::vector<std::string> &rows, int reactantCount)
{
    std::vector<std::size_t> order; // row numbers, the charge first
    for (std::size_t r = 0; r < rows.size(); ++r)
        order.insert(rows[r].empty() ? order.begin() : order.end(), r);
    for (std::size_t size = 1; size <= std::min<std::size_t>(3, rows.size()); ++size) {
        std::optional<std::vector<std::size_t>> fallback;
        std::vector<std::size_t> set(size);
        for (std::size_t i = 0; i < size; ++i)
            set[i] = i;
        do {
            std::vector<std::size_t> removed;
            removed.reserve(set.size());
            for (const std::size_t i : set)
                removed.push_back(order[i]);
            std::sort(removed.begin(), removed.end());
            const int found = answerWithout(counts, removed, reactantCount);
            if (found == 2 || (found == 1 && !fallback)) {
                std::vector<std::size_t> named;
                named.reserve(set.size());
                for (const std::size_t i : set)
                    named.push_back(order[i]);
                fallback = named;
                if (found == 2)
                    break;
            }
        } while (nextSet(set, rows.size()));
        if (!fallback)
            continue;
        if (fallback->size() == 1 && rows[fallback->front()].empty())
            return { FaultCause::ChargeNotMatched, {}, 0, 0, {} };
        std::string names;
        for (const std::size_t r : *fallback)
            names += (names.empty() ? "" : ", ") + (rows[r].empty() ? "{}" : rows[r]);
        return { FaultCause::OnlyZero, names, 0, 0, {} };
    }
    return { FaultCause::OnlyZero, {}, 0, 0, {} };
}

} // namespace

ReactionFault DiagnoseNoAnswer(const std::vector<std::vector<std::int32_t>> &counts,
    const std::vector<std::string> &rows, int reactantCount, const ExactAnswer &exact)
{
    if (exact.freeRatios > 1)
        return { FaultCause::SeveralReactions, {}, 0, 0 };
    if (exact.freeRatios == 0)
        return unmatchedRows(counts, rows, reactantCount);
    // The answer's sign is free: the substances in the minority are the ones misplaced.
    const auto negatives = std::count_if(
        exact.answer.begin(), exact.answer.end(), [](std::int64_t v) { return v < 0; });
    const auto positives = std::count_if(
        exact.answer.begin(), exact.answer.end(), [](std::int64_t v) { return v > 0; });
    const bool flip = negatives > positives;
    const auto listed = [&](FaultCause cause, auto misplaced) -> std::optional<ReactionFault> {
        std::vector<int> found;
        for (std::size_t s = 0; s < exact.answer.size(); ++s)
            if (misplaced(exact.answer[s]))
                found.push_back(int(s) + 1);
        if (found.empty())
            return std::nullopt;
        std::string names;
        for (const int s : found)
            names += (names.empty() ? "" : ", ") + std::to_string(s);
        return ReactionFault { cause, found.size() > 1 ? names : std::string(), found.front(), 0,
            {} };
    };
    if (auto fault = listed(
            FaultCause::NegativeCoefficient, [&](std::int64_t v) { return flip ? v > 0 : v < 0; }))
        return *fault;
    if (auto fault = listed(FaultCause::ZeroCoefficient, [](std::int64_t v) { return v == 0; }))
        return *fault;
    return {};
}

} // namespace molvane
