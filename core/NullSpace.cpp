#include "core/NullSpace.h"

#include "core/Errors.h"

#include <limits>
#include <utility>

namespace molvane {

namespace {

using Wide = __int128;
using Row = std::vector<Wide>;

Wide abs(Wide v) { return v < 0 ? -v : v; }

Wide gcd(Wide a, Wide b)
{
    a = abs(a);
    b = abs(b);
    while (b != 0)
        a = std::exchange(b, a % b);
    return a;
}

Wide multiply(Wide a, Wide b)
{
    Wide r;
    if (__builtin_mul_overflow(a, b, &r))
        throw ConversionError("exact solution out of range");
    return r;
}

Wide subtract(Wide a, Wide b)
{
    Wide r;
    if (__builtin_sub_overflow(a, b, &r))
        throw ConversionError("exact solution out of range");
    return r;
}

void makePrimitive(Row &row)
{
    Wide g = 0;
    for (const Wide v : row)
        g = gcd(g, v);
    if (g > 1)
        for (Wide &v : row)
            v /= g;
}

// Element-by-substance matrix, products negated, so that balance means M x = 0.
std::vector<Row> balanceMatrix(const std::vector<std::vector<std::int32_t>> &counts, int reactants)
{
    const std::size_t elements = counts.empty() ? 0 : counts.front().size();
    std::vector<Row> matrix(elements, Row(counts.size()));
    for (std::size_t s = 0; s < counts.size(); ++s)
        for (std::size_t e = 0; e < elements; ++e)
            matrix[e][s] = int(s) < reactants ? Wide(counts[s][e]) : -Wide(counts[s][e]);
    return matrix;
}

} // namespace

ExactAnswer SolveExactly(const std::vector<std::vector<std::int32_t>> &substanceCounts,
                         int reactantCount)
{
    std::vector<Row> m = balanceMatrix(substanceCounts, reactantCount);
    const std::size_t columns = substanceCounts.size();

    // Fraction-free reduction to row echelon form with every pivot column cleared above and
    // below; rows are kept primitive so the entries stay small.
    std::vector<std::size_t> pivotColumns;
    std::size_t rank = 0;
    for (std::size_t c = 0; c < columns && rank < m.size(); ++c) {
        std::size_t r = rank;
        while (r < m.size() && m[r][c] == 0)
            ++r;
        if (r == m.size())
            continue;
        std::swap(m[r], m[rank]);
        makePrimitive(m[rank]);
        for (std::size_t i = 0; i < m.size(); ++i) {
            if (i == rank || m[i][c] == 0)
                continue;
            const Wide factor = m[i][c], pivot = m[rank][c];
            for (std::size_t k = 0; k < columns; ++k)
                m[i][k] = subtract(multiply(m[i][k], pivot), multiply(m[rank][k], factor));
            makePrimitive(m[i]);
        }
        pivotColumns.push_back(c);
        ++rank;
    }

    ExactAnswer result;
    result.freeRatios = int(columns - rank);
    if (result.freeRatios != 1)
        return result;

    std::size_t freeColumn = 0;
    for (std::size_t p = 0; p < pivotColumns.size() && pivotColumns[p] == freeColumn; ++p)
        ++freeColumn;

    // x_free = the product of the pivots' magnitudes makes every x_pivot whole.
    Wide scale = 1;
    for (std::size_t r = 0; r < rank; ++r) {
        const Wide p = abs(m[r][pivotColumns[r]]);
        scale = multiply(scale / gcd(scale, p), p);
    }
    Row x(columns, 0);
    x[freeColumn] = scale;
    for (std::size_t r = 0; r < rank; ++r)
        x[pivotColumns[r]] = subtract(0, multiply(m[r][freeColumn], scale / m[r][pivotColumns[r]]));
    makePrimitive(x);

    Wide sign = 0;
    for (const Wide v : x)
        if (sign == 0 && v != 0)
            sign = v < 0 ? -1 : 1;
    for (const Wide v : x) {
        const Wide value = v * sign;
        if (value > std::numeric_limits<std::int64_t>::max()
            || value < std::numeric_limits<std::int64_t>::min())
            throw ConversionError("exact solution out of range");
        result.answer.push_back(std::int64_t(value));
    }
    return result;
}

} // namespace molvane
