#include "core/CoefficientSolver.h"

#include "core/Errors.h"

#include <algorithm>
#include <chrono>
#include <limits>
#include <numeric>
#include <string_view>

// The solver once rewrote its equations as text ("2[0]=2[2]") and its answers, limits and
// failures are those of that text: every step below reads a term as its text would have been
// read, and the repeated-state check compares the text of the lines.
namespace molvane {

namespace {

const SolverTerm zeroTerm {};

bool isVariable(const SolverTerm &term)
{
    return term.index >= 0;
}

std::size_t variableCount(const SolverLine &line)
{
    return std::size_t(std::count_if(line.left.begin(), line.left.end(), isVariable)
        + std::count_if(line.right.begin(), line.right.end(), isVariable));
}

std::int32_t countAt(
    const std::vector<std::vector<std::int32_t>> &counts, std::size_t substance, std::size_t row)
{
    return row < counts[substance].size() ? counts[substance][row] : 0;
}

bool sameValue(Fraction a, Fraction b)
{
    return __int128(a.numerator) * b.denominator == __int128(b.numerator) * a.denominator;
}

// A side of constants summed, each sign toggling, the digits read on their own: "+-2" is -2.
Fraction sideValue(const std::vector<SolverTerm> &side)
{
    Fraction sum { 0, 1 };
    for (std::size_t i = 0; i < side.size(); ++i) {
        const SolverTerm &term = side[i];
        Fraction value = ReadMagnitude(term);
        // Reduced and within 32 bits, the value only changes sign when multiplied by -1.
        if ((term.lead == '-') != (term.sign == '-'))
            value.numerator = -value.numerator;
        // Zero plus a reduced value is that value: the first term needs no addition.
        sum = i == 0 ? value : Add(sum, value);
    }
    return sum;
}

// Each line's text followed by "\r\n", written in place after making room once.
void appendListText(const std::vector<SolverLine> &lines, std::string &text)
{
    const std::size_t start = text.size();
    text.resize(start + LinesTextRoom(lines));
    text.resize(std::size_t(WriteLinesText(lines, text.data() + start) - text.data()));
}

// Room the passes of one solve share, so that a pass seldom allocates.
struct PassBuffers
{
    // A known value read back from its text, and the value it was read from: reading the
    // same value again in a later pass gives the same.
    struct Known
    {
        std::optional<Fraction> value;
        Fraction from;
    };
    std::vector<Known> known;
    std::vector<unsigned char> holdsVariables; ///< one per line, once the known values are in
    std::vector<std::optional<Fraction>> table;
    std::vector<SolverTerm> right;
};

// Step A: known values replace their terms; lines left without variables go, and each of
// them must hold, or the reaction has no answer.
bool substituteKnownValues(std::vector<SolverLine> &lines, const SolverValues &results,
    std::vector<int> *lineRows, PassBuffers &buffers)
{
    // Every known value is read back from its text, whether a line still holds it or not.
    std::vector<PassBuffers::Known> &known = buffers.known;
    known.resize(results.size());
    for (std::size_t k = 0; k < results.size(); ++k) {
        if (!results[k]) {
            known[k].value.reset();
        } else if (!known[k].value || known[k].from != results[k]->value) {
            known[k].value = ViaText(results[k]->value);
            known[k].from = results[k]->value;
        }
    }
    std::vector<unsigned char> &holds = buffers.holdsVariables;
    holds.clear();
    holds.reserve(lines.size());
    bool unknown = false;
    const auto substitute = [&](std::vector<SolverTerm> &side) {
        for (SolverTerm &term : side) {
            if (!isVariable(term))
                continue;
            if (const std::optional<Fraction> &value = known[std::size_t(term.index)].value)
                term = ProductTerm(Multiply(ReadMagnitude(term), *value), term.sign);
            else
                unknown = true;
        }
    };
    for (SolverLine &line : lines) {
        unknown = false;
        substitute(line.left);
        substitute(line.right);
        holds.push_back(static_cast<unsigned char>(unknown));
    }
    if (lineRows) {
        std::size_t kept = 0;
        for (std::size_t i = 0; i < lines.size(); ++i)
            if (holds[i])
                (*lineRows)[kept++] = (*lineRows)[i];
        lineRows->resize(kept);
    }
    bool consistent = true;
    std::size_t kept = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (holds[i]) {
            if (kept != i)
                lines[kept] = std::move(lines[i]);
            ++kept;
        } else {
            // Once one line fails the rest are not read.
            consistent
                = consistent && sameValue(sideValue(lines[i].left), sideValue(lines[i].right));
        }
    }
    lines.resize(kept);
    return consistent;
}

// Step B: all variable terms move right, all constants left, into K=terms. The left
// variables go to the right end in order; the right constants join K one by one, each time
// reading K as one number, so a left side of two constants fails only when one joins it.
void normaliseLine(SolverLine &line)
{
    // Terms already in their place are not copied onto themselves.
    std::size_t kept = 0;
    for (std::size_t i = 0; i < line.left.size(); ++i) {
        SolverTerm &term = line.left[i];
        if (isVariable(term)) {
            term.sign = term.sign == '-' ? '+' : '-';
            line.right.push_back(term);
        } else {
            if (kept != i)
                line.left[kept] = term;
            ++kept;
        }
    }
    line.left.resize(kept);
    if (line.left.empty())
        line.left.push_back(zeroTerm);

    kept = 0;
    for (std::size_t i = 0; i < line.right.size(); ++i) {
        const SolverTerm &term = line.right[i];
        if (isVariable(term)) {
            if (kept != i)
                line.right[kept] = term;
            ++kept;
            continue;
        }
        // A constant with two signs ("+-6") fails here: its first sign is read on its own.
        const Fraction sum = Add(ReadSide(line.left), ReadSigned(term, true));
        line.left.assign(1, FractionTerm(sum, -1, false));
    }
    line.right.resize(kept);
}

// The smallest substance above @p after that stands more than once on the right; -1 if none.
int nextRepeated(const std::vector<SolverTerm> &right, int after)
{
    int best = -1;
    for (std::size_t i = 0; i < right.size(); ++i) {
        const int index = right[i].index;
        if (index <= after || (best >= 0 && index >= best))
            continue;
        for (std::size_t j = i + 1; j < right.size(); ++j)
            if (right[j].index == index) {
                best = index;
                break;
            }
    }
    return best;
}

// Step C: repeated variables of a line become one term at its end, in order of substance.
void mergeRepeatedVariables(SolverLine &line)
{
    std::vector<SolverTerm> &right = line.right;
    for (int k = nextRepeated(right, -1); k >= 0; k = nextRepeated(right, k)) {
        Fraction sum { 0, 1 };
        std::erase_if(right, [&](const SolverTerm &term) {
            if (term.index != k)
                return false;
            sum = Add(sum, ReadSigned(term));
            return true;
        });
        right.push_back(FractionTerm(sum, k, true));
    }
}

// Step D: a line with one variable term gives that variable's value; returns its index, or -1.
int solveSingleVariable(SolverLine &line, SolverValues &results)
{
    const std::vector<SolverTerm> &right = line.right;
    for (std::size_t i = 0; i + 1 < right.size(); ++i)
        if (isVariable(right[i]))
            return -1; // more than one unknown is left
    // Anything before the variable would be read as part of its factor.
    if (right.size() != 1 || !isVariable(right.front()))
        throw ConversionError("malformed term");
    const Fraction factor = ReadSigned(right.front());
    if (factor.numerator == 0) {
        line = { { zeroTerm }, { zeroTerm } }; // "0=0"
        return -1;
    }
    const int index = right.front().index;
    results[std::size_t(index)]
        = SolverValue { Multiply(ReadSide(line.left), Reciprocal(factor)), false };
    return index;
}

// The first variable term with a non-zero coefficient; a zero one cannot be divided by. Only
// the right holds variables once the line is normalised.
std::optional<std::size_t> findPivot(const SolverLine &line)
{
    for (std::size_t i = 0; i < line.right.size(); ++i)
        if (isVariable(line.right[i]) && ReadSigned(line.right[i]).numerator != 0)
            return i;
    return std::nullopt;
}

// Writes the pivot's value, solved from @p first, in place of its term in every other line:
// the remaining terms in order of substance, the constant last.
void substitutePivot(std::vector<SolverLine> &lines, const SolverLine &first, std::size_t pivot,
    int n, PassBuffers &buffers)
{
    // E[i] for the variable terms left, E[n] for the constant (-K), each read back from text.
    std::vector<std::optional<Fraction>> &table = buffers.table;
    table.assign(std::size_t(n) + 1, std::nullopt);
    for (std::size_t i = 0; i < first.right.size(); ++i)
        if (i != pivot && isVariable(first.right[i]))
            table[std::size_t(first.right[i].index)] = ViaText(ReadSigned(first.right[i]));
    table[std::size_t(n)] = ViaText(ReadSide(first.left, true));

    const Fraction divisor = Reciprocal(ReadSigned(first.right[pivot], true));
    const int key = first.right[pivot].index;
    // Each line holding the pivot is written anew into the spare side, which then takes its
    // place.
    std::vector<SolverTerm> &right = buffers.right;
    for (SolverLine &other : lines) {
        if (std::none_of(other.right.begin(), other.right.end(),
                [key](const SolverTerm &term) { return term.index == key; }))
            continue;
        right.clear();
        for (const SolverTerm &term : other.right) {
            if (term.index != key) {
                right.push_back(term);
                continue;
            }
            const Fraction m = Multiply(ReadSigned(term), divisor);
            for (std::size_t e = 0; e < table.size(); ++e)
                if (table[e])
                    right.push_back(FractionTerm(
                        Multiply(m, *table[e]), e < std::size_t(n) ? int(e) : -1, true));
        }
        other.right.swap(right);
    }
}

// Step F: solve the first line for its pivot, substitute it into the others, and move the
// first line, unchanged, to the end; returns the pivot's index, or -1 when the line has none.
int eliminateVariable(std::vector<SolverLine> &lines, int n, PassBuffers &buffers)
{
    SolverLine first = std::move(lines.front());
    lines.erase(lines.begin());
    const std::optional<std::size_t> pivot = findPivot(first);
    const int eliminated = pivot ? first.right[*pivot].index : -1;
    if (pivot)
        substitutePivot(lines, first, *pivot, n, buffers);
    lines.push_back(std::move(first));
    return eliminated;
}

// The record starts with each working line standing for its own row.
void startRecord(SolverRecord *record, std::size_t lineCount)
{
    if (!record)
        return;
    record->steps.clear();
    record->lineRows.resize(lineCount);
    std::iota(record->lineRows.begin(), record->lineRows.end(), 0);
}

void recordFound(SolverRecord *record, int substance, int row)
{
    if (record)
        record->steps.push_back({ SolverStep::Kind::Found, substance, row });
}

// The first line, which step F moves last, takes its row along.
void recordElimination(SolverRecord *record, int eliminated)
{
    if (!record)
        return;
    std::vector<int> &rows = record->lineRows;
    if (eliminated >= 0)
        record->steps.push_back({ SolverStep::Kind::Eliminated, eliminated, rows.front() });
    std::rotate(rows.begin(), rows.begin() + 1, rows.end());
}

// A term the seed reads as a whole number, as its text would be.
std::int32_t wholeCount(const SolverTerm &term)
{
    if (term.slash)
        throw ConversionError("not an integer");
    return std::int32_t(ReadSigned(term).numerator);
}

// The seed: the first row in which exactly two substances have a count fixes the scale. Its
// line must read "a[i]=b[j]" at both ends of the "=".
bool seedResults(const std::vector<std::vector<std::int32_t>> &counts,
    const std::vector<SolverLine> &lines, SolverValues &results, SolverRecord *record)
{
    for (std::size_t e = 0; e < lines.size(); ++e) {
        int present = 0;
        for (std::size_t k = 0; k < counts.size(); ++k)
            present += countAt(counts, k, e) != 0;
        if (present != 2)
            continue;
        const SolverLine &line = lines[e];
        if (line.left.empty() || !isVariable(line.left.front()) || line.right.empty()
            || !isVariable(line.right.front()))
            throw ConversionError("seed line of the wrong shape");
        const std::int32_t a = wholeCount(line.left.front());
        const std::int32_t b = wholeCount(line.right.front());
        const int i = line.left.front().index;
        const int j = line.right.front().index;
        results[std::size_t(i)] = SolverValue { FromInteger(b), true };
        results[std::size_t(j)] = SolverValue { FromInteger(a), true };
        recordFound(record, i, int(e));
        recordFound(record, j, int(e));
        return true;
    }
    return false;
}

bool runPass(std::vector<SolverLine> &lines, SolverValues &results, int substanceCount,
    SolverRecord *record, PassBuffers &buffers)
{
    if (!substituteKnownValues(lines, results, record ? &record->lineRows : nullptr, buffers))
        return false;
    for (SolverLine &line : lines)
        normaliseLine(line);
    for (SolverLine &line : lines)
        mergeRepeatedVariables(line);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int found = solveSingleVariable(lines[i], results);
        if (record && found >= 0)
            recordFound(record, found, record->lineRows[i]);
    }
    if (lines.empty())
        return true;
    for (const SolverLine &line : lines)
        if (variableCount(line) < 2)
            return true;
    recordElimination(record, eliminateVariable(lines, substanceCount, buffers));
    return true;
}

} // namespace

SolverHistory::SolverHistory(const std::vector<SolverLine> &lines)
    : m_initialCount(lines.size())
{
    // Room for a few passes, so the text seldom grows while solving.
    m_text.reserve(2 * LinesTextRoom(lines));
    appendListText(lines, m_text);
    m_historySize = m_text.size();
}

bool SolverHistory::repeats(const std::vector<SolverLine> &lines)
{
    m_text.resize(m_historySize);
    appendListText(lines, m_text);
    const std::string_view text = m_text;
    const std::string_view state = text.substr(m_historySize);
    return !state.empty() && text.substr(0, m_historySize).find(state) != std::string_view::npos;
}

void SolverHistory::record(const std::vector<SolverLine> &lines)
{
    // The state already follows the history; only a line gone drops what came before it.
    if (lines.size() < m_initialCount)
        m_text.erase(0, m_historySize);
    m_historySize = m_text.size();
}

std::int64_t SteadyMilliseconds()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

std::vector<SolverLine> BuildEquations(
    const std::vector<std::vector<std::int32_t>> &counts, std::size_t rowCount, int reactantCount)
{
    std::vector<SolverLine> lines(rowCount);
    for (std::size_t e = 0; e < rowCount; ++e) {
        SolverLine &line = lines[e];
        for (std::size_t k = 0; k < counts.size(); ++k) {
            const std::int32_t count = countAt(counts, k, e);
            std::vector<SolverTerm> &side = int(k) < reactantCount ? line.left : line.right;
            if (count != 0) {
                // Room for every term on the right, where normalising moves them.
                if (side.empty())
                    side.reserve(counts.size());
                side.push_back(CountTerm(count, int(k), side.empty()));
            }
        }
        if (line.right.empty())
            line.right.push_back(zeroTerm); // "H2+O2=0"
    }
    return lines;
}

bool SolverPass(
    std::vector<SolverLine> &lines, SolverValues &results, int substanceCount, SolverRecord *record)
{
    PassBuffers buffers;
    return runPass(lines, results, substanceCount, record, buffers);
}

bool SolveCoefficients(const std::vector<std::vector<std::int32_t>> &counts,
    std::vector<SolverLine> working, SolverValues &results, MillisecondClock clock,
    SolverRecord *record)
{
    const int substanceCount = int(counts.size());
    results.assign(counts.size(), std::nullopt);
    startRecord(record, working.size());
    if (!seedResults(counts, working, results, record))
        return false;

    SolverHistory history(working);
    PassBuffers buffers;
    const std::int64_t start = clock();
    while (!working.empty()) {
        if (!runPass(working, results, substanceCount, record, buffers) || history.repeats(working))
            return false;
        if (clock() - start > SolverTimeLimitMs)
            return false;
        history.record(working);
    }
    return true;
}

std::vector<std::int32_t> IntegerCoefficients(const SolverValues &results)
{
    // Each value is read back twice, for the common denominator and to scale it: cheaper than
    // a vector to hold them between the two.
    std::int64_t common = 1;
    for (const std::optional<SolverValue> &result : results) {
        if (!result)
            throw ConversionError("substance without a value");
        const std::int64_t d = ViaText(result->value).denominator;
        if (d <= 0)
            throw ConversionError("value without a denominator");
        common = Multiply(FromInteger(common / Gcd(common, d)), FromInteger(d)).numerator;
    }

    std::vector<std::int32_t> whole;
    whole.reserve(results.size());
    std::int32_t g = 0;
    for (std::size_t i = 0; i < results.size(); ++i) {
        // Each whole value must still be a 32-bit number.
        const std::int64_t scaled
            = Multiply(ViaText(results[i]->value), FromInteger(common)).numerator;
        if (scaled < std::numeric_limits<std::int32_t>::min()
            || scaled > std::numeric_limits<std::int32_t>::max())
            throw ConversionError("integer out of range");
        const std::int32_t value = std::int32_t(scaled);
        whole.push_back(value);
        g = i == 0 ? value : std::int32_t(Gcd(value, g));
    }
    if (g != 1 && g != 0)
        for (std::int32_t &value : whole)
            value /= g;
    return whole;
}

TextSolverAnswer SolveAsText(
    const BalanceProblem &problem, MillisecondClock clock, SolverRecord *record)
{
    try {
        SolverValues results;
        if (!SolveCoefficients(problem.counts,
                BuildEquations(problem.counts, problem.rows.size(), problem.reactantCount), results,
                clock, record))
            return {};
        const std::vector<std::int32_t> whole = IntegerCoefficients(results);
        const std::vector<std::int64_t> coefficients(whole.begin(), whole.end());
        if (!BalancesEveryRow(coefficients, problem))
            return {};
        return { TextSolverOutcome::Solved, DecimalTexts(coefficients) };
    } catch (const ConversionError &) {
        return { TextSolverOutcome::BeyondRange, {} };
    }
}

} // namespace molvane
