#include "core/ExactSolver.h"

#include "core/Errors.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace molvane {

namespace {

// Thrown inside when a value leaves the current integer width.
struct Overflow
{
};

template <typename Int> Int magnitude(Int v)
{
    Int negated;
    if (__builtin_sub_overflow(Int(0), v, &negated)) // the lowest value has no magnitude
        throw Overflow {};
    return v < 0 ? negated : v;
}

template <typename Int> Int gcd(Int a, Int b)
{
    a = magnitude(a);
    b = magnitude(b);
    while (b != 0)
        a = std::exchange(b, a % b);
    return a;
}

template <typename Int> Int multiply(Int a, Int b)
{
    Int r;
    if (__builtin_mul_overflow(a, b, &r))
        throw Overflow {};
    return r;
}

template <typename Int> Int subtract(Int a, Int b)
{
    Int r;
    if (__builtin_sub_overflow(a, b, &r))
        throw Overflow {};
    return r;
}

template <typename Int> void makePrimitive(Int *row, std::size_t size)
{
    Int g = 0;
    // Once the divisor is 1 no further entry can change it.
    for (std::size_t k = 0; k < size && g != 1; ++k)
        g = gcd(g, row[k]);
    if (g > 1)
        for (std::size_t k = 0; k < size; ++k)
            row[k] /= g;
}

// Element-by-substance matrix, products negated, so that balance means M x = 0. Counts are
// 32-bit, so no entry is the lowest value of Int and every magnitude is safe to take. One
// block, row after row, as the reduction only walks rows.
template <typename Int> class BalanceMatrix
{
public:
    BalanceMatrix(const std::vector<std::vector<std::int32_t>> &counts, int reactants)
        : m_rows(counts.empty() ? 0 : counts.front().size())
        , m_columns(counts.size())
        , m_entries(m_rows * m_columns)
    {
        for (std::size_t s = 0; s < m_columns; ++s)
            for (std::size_t e = 0; e < m_rows; ++e)
                at(e, s) = int(s) < reactants ? Int(counts[s][e]) : -Int(counts[s][e]);
    }

    std::size_t rows() const { return m_rows; }
    Int &at(std::size_t row, std::size_t column) { return m_entries[row * m_columns + column]; }
    Int *row(std::size_t row) { return m_entries.data() + row * m_columns; }
    void swapRows(std::size_t a, std::size_t b)
    {
        if (a != b)
            std::swap_ranges(row(a), row(a) + m_columns, row(b));
    }

private:
    std::size_t m_rows;
    std::size_t m_columns;
    std::vector<Int> m_entries;
};

template <typename Int>
ExactAnswer solveWith(
    const std::vector<std::vector<std::int32_t>> &substanceCounts, int reactantCount)
{
    BalanceMatrix<Int> m(substanceCounts, reactantCount);
    const std::size_t columns = substanceCounts.size();

    // Fraction-free reduction with every pivot column cleared above and below; rows are kept
    // primitive so the entries stay small.
    std::vector<std::size_t> pivotColumns;
    pivotColumns.reserve(columns);
    std::size_t rank = 0;
    for (std::size_t c = 0; c < columns && rank < m.rows(); ++c) {
        std::size_t r = rank;
        while (r < m.rows() && m.at(r, c) == 0)
            ++r;
        if (r == m.rows())
            continue;
        m.swapRows(r, rank);
        makePrimitive(m.row(rank), columns);
        for (std::size_t i = 0; i < m.rows(); ++i) {
            if (i == rank || m.at(i, c) == 0)
                continue;
            const Int factor = m.at(i, c), pivot = m.at(rank, c);
            for (std::size_t k = 0; k < columns; ++k)
                m.at(i, k) = subtract(multiply(m.at(i, k), pivot), multiply(m.at(rank, k), factor));
            makePrimitive(m.row(i), columns);
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

    // x_free = the least common multiple of the pivots makes every x_pivot whole.
    Int scale = 1;
    for (std::size_t r = 0; r < rank; ++r) {
        const Int p = magnitude(m.at(r, pivotColumns[r]));
        scale = multiply(Int(scale / gcd(scale, p)), p);
    }
    std::vector<Int> x(columns, 0);
    x[freeColumn] = scale;
    for (std::size_t r = 0; r < rank; ++r)
        x[pivotColumns[r]] = subtract(
            Int(0), multiply(m.at(r, freeColumn), Int(scale / m.at(r, pivotColumns[r]))));
    makePrimitive(x.data(), x.size());

    Int sign = 0;
    for (const Int v : x)
        if (sign == 0 && v != 0)
            sign = v < 0 ? -1 : 1;
    result.answer.reserve(x.size());
    for (const Int v : x) {
        const Int value = multiply(v, sign);
        if (value > Int(std::numeric_limits<std::int64_t>::max())
            || value < Int(std::numeric_limits<std::int64_t>::min()))
            throw Overflow {};
        result.answer.push_back(std::int64_t(value));
    }
    return result;
}

} // namespace

ExactAnswer SolveExactly(
    const std::vector<std::vector<std::int32_t>> &substanceCounts, int reactantCount)
{
    // 64 bits suffice for ordinary reactions; 128 only when they do not.
    try {
        return solveWith<std::int64_t>(substanceCounts, reactantCount);
    } catch (const Overflow &) { }
    try {
        return solveWith<__int128>(substanceCounts, reactantCount);
    } catch (const Overflow &) {
        throw ConversionError("exact solution out of range");
    }
}

} // namespace molvane
