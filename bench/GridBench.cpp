// The formula evaluator on a typical formula and on the worst inputs we know of, and Calculate
// Grid on a 12-column document with 6 formulas as the number of substances grows.
#include "grid/FormulaEvaluator.h"
#include "grid/GridCalc.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

using molvane::GridModel;

// ((#Mol(b) * 5) + 1) / (#Mol(a)) after its references are replaced.
void BM_EvaluateTypicalFormula(benchmark::State &state)
{
    const std::string expression = "((0.0512 * 5) + 1) / (0.0256)";
    for (auto _ : state)
        benchmark::DoNotOptimize(molvane::EvaluateFormula(expression));
}
BENCHMARK(BM_EvaluateTypicalFormula);

// Expressions whose cost could run away: deep nesting, long texts, huge exponents.
void evaluateOnce(benchmark::State &state, const std::string &expression)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(molvane::EvaluateFormula(expression));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * expression.size()));
}

void BM_EvaluateNestedParentheses(benchmark::State &state)
{
    const std::size_t depth = 100000;
    evaluateOnce(state, std::string(depth, '(') + "5" + std::string(depth, ')'));
}
BENCHMARK(BM_EvaluateNestedParentheses)->Unit(benchmark::kMillisecond);

void BM_EvaluateNestedSums(benchmark::State &state)
{
    std::string expression(100000, '(');
    expression += "0";
    for (int i = 0; i < 100000; ++i)
        expression += "+1)";
    evaluateOnce(state, expression);
}
BENCHMARK(BM_EvaluateNestedSums)->Unit(benchmark::kMillisecond);

// A megabyte of additions: @p term, then "+" @p term again and again.
std::string megabyteSum(const std::string &term)
{
    std::string expression = term;
    while (expression.size() < (1u << 20))
        expression += "+" + term;
    return expression;
}

void BM_EvaluateMegabyteOfSums(benchmark::State &state)
{
    evaluateOnce(state, megabyteSum("1"));
}
BENCHMARK(BM_EvaluateMegabyteOfSums)->Unit(benchmark::kMillisecond);

// Every step a fraction, so every result takes the full 15-digit formatting.
void BM_EvaluateMegabyteOfFractions(benchmark::State &state)
{
    evaluateOnce(state, megabyteSum("0.1"));
}
BENCHMARK(BM_EvaluateMegabyteOfFractions)->Unit(benchmark::kMillisecond);

void BM_EvaluateMegabyteOperand(benchmark::State &state)
{
    evaluateOnce(state, "0." + std::string(1u << 20, '7') + "*3");
}
BENCHMARK(BM_EvaluateMegabyteOperand)->Unit(benchmark::kMillisecond);

void BM_EvaluateHugeExponents(benchmark::State &state)
{
    evaluateOnce(state, "1.0000001^2147483647+0.5^99999999999+2^2147483646");
}
BENCHMARK(BM_EvaluateHugeExponents);

// A balanced document: formula, coefficient and weight filled for every substance, the mass of
// the first one typed in unless @p knownMass is false, everything else left to the formulas.
GridModel document(int substances, bool knownMass = true)
{
    const std::vector<std::string> names = { "Formula", "Number", "Weight", "Mol", "Mass", "Volume",
        "Solution", "Molarity", "Particles", "Note", "Purity", "Yield" };
    GridModel grid;
    grid.setColCount(static_cast<int>(names.size()));
    grid.setRowCount(substances + 1);
    grid.setTypesList({ "5", "3", "4", "2", "2", "2", "2", "2", "2", "0", "2", "2" });
    for (int k = 0; k < grid.colCount(); ++k)
        grid.setCell(k, 0, names[k]);
    for (int r = 1; r <= substances; ++r) {
        grid.setCell(0, r, "C" + std::to_string(r) + "H" + std::to_string(2 * r + 2));
        grid.setCell(1, r, std::to_string(r % 7 + 1));
        grid.setCell(2, r, std::to_string(14.03 * r + 2.02));
        grid.setCell(6, r, "0.5");
    }
    if (knownMass)
        grid.setCell(4, 1, "32.5");
    return grid;
}

const std::vector<std::string> Formulas = {
    "#Mol(a)=#Mass(a)/#Weight(a)",
    "#Mass(a)=#Mol(a)*#Weight(a)",
    "#Mol(a)=#Mol(b)*#Number(a)/#Number(b)",
    "#Volume(a)=#Mol(a)*22.4",
    "#Molarity(a)=#Mol(a)/#Solution(a)",
    "#Particles(a)=#Mol(a)*6.02214076E23",
};

void substanceCounts(benchmark::internal::Benchmark *benchmark)
{
    for (int substances : { 10, 50, 200, 1000 })
        benchmark->Arg(substances);
    benchmark->Unit(benchmark::kMillisecond);
}

// One press on a fresh document, with the first mass typed in or with no quantity known (then
// no formula line can apply anywhere); the copy is not timed.
template <bool knownMass> void BM_CalculateGrid(benchmark::State &state)
{
    const GridModel fresh = document(static_cast<int>(state.range(0)), knownMass);
    for (auto _ : state) {
        state.PauseTiming();
        GridModel grid = fresh;
        state.ResumeTiming();
        molvane::CalculateGrid(grid, Formulas);
        benchmark::DoNotOptimize(grid);
    }
}
BENCHMARK(BM_CalculateGrid<true>)->Name("BM_CalculateGrid")->Apply(substanceCounts);
BENCHMARK(BM_CalculateGrid<false>)->Name("BM_CalculateGridNoKnownQuantity")->Apply(substanceCounts);

// Another press once nothing is left to compute: no pair can change a cell.
void BM_CalculateCompleteGrid(benchmark::State &state)
{
    GridModel grid = document(static_cast<int>(state.range(0)));
    molvane::CalculateGrid(grid, Formulas);
    molvane::CalculateGrid(grid, Formulas);
    for (auto _ : state)
        molvane::CalculateGrid(grid, Formulas);
}
BENCHMARK(BM_CalculateCompleteGrid)->Apply(substanceCounts)->Arg(10000);

} // namespace

BENCHMARK_MAIN();
