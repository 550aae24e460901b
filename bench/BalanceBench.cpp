// The whole Balance path over the reaction corpus: per reaction, the median of the corpus,
// and the slowest reaction of the corpus and of the edge corpus. Beside it, the path as it was
// before it answered from the exact solve alone, kept in the tests as their reference, and a
// lower bound: the exact solve alone on the problems read beforehand. Measured in the same run,
// their ratios do not depend on how busy or fast the machine is.
#include "BalanceReference.h"

#include "core/Balance.h"
#include "core/Errors.h"
#include "core/ExactSolver.h"
#include "core/ReactionText.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> readReactions(const char *name)
{
    std::ifstream file(std::string(MOLVANE_CORPUS_DIR) + "/" + name);
    std::vector<std::string> reactions;
    for (std::string line; std::getline(file, line);)
        if (!line.empty() && line[0] != '#')
            reactions.push_back(line.substr(0, line.find('\t')));
    return reactions;
}

void balanceTyped(const std::string &typed)
{
    try {
        benchmark::DoNotOptimize(molvane::Balance(molvane::PrepareForBalance(typed, 0, true).text));
    } catch (const std::runtime_error &) { }
}

void balanceTypedAsBefore(const std::string &typed)
{
    try {
        benchmark::DoNotOptimize(
            molvane::reference::Balance(molvane::PrepareForBalance(typed, 0, true).text));
    } catch (const std::runtime_error &) { }
}

// Microseconds per call of one reaction, best of a few rounds so noise does not pick it.
double microseconds(const std::string &reaction)
{
    constexpr int calls = 200;
    double best = 1e300;
    for (int round = 0; round < 5; ++round) {
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < calls; ++i)
            balanceTyped(reaction);
        const std::chrono::duration<double, std::micro> spent
            = std::chrono::steady_clock::now() - start;
        best = std::min(best, spent.count() / calls);
    }
    return best;
}

std::string slowest(const std::vector<std::string> &reactions)
{
    std::string worst;
    double worstTime = -1;
    for (const std::string &reaction : reactions) {
        const double t = microseconds(reaction);
        if (t > worstTime) {
            worstTime = t;
            worst = reaction;
        }
    }
    return worst;
}

std::string medianReaction(const std::vector<std::string> &reactions)
{
    std::vector<std::pair<double, std::string>> timed;
    timed.reserve(reactions.size());
    for (const std::string &reaction : reactions)
        timed.emplace_back(microseconds(reaction), reaction);
    const auto middle = timed.begin() + std::ptrdiff_t(timed.size() / 2);
    std::nth_element(timed.begin(), middle, timed.end());
    return middle->second;
}

// Reactions per second, inverted: seconds per reaction (printed with an SI prefix).
void countReactions(benchmark::State &state, std::size_t reactions)
{
    state.SetItemsProcessed(state.iterations() * std::int64_t(reactions));
    state.counters["per_reaction"]
        = benchmark::Counter(double(state.iterations()) * double(reactions),
            benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

template <void (*balance)(const std::string &)> void BM_CorpusPerReaction(benchmark::State &state)
{
    const std::vector<std::string> reactions = readReactions("corpus.txt");
    for (auto _ : state)
        for (const std::string &reaction : reactions)
            balance(reaction);
    countReactions(state, reactions.size());
}
BENCHMARK(BM_CorpusPerReaction<balanceTyped>)
    ->Name("BM_CorpusPerReaction")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CorpusPerReaction<balanceTypedAsBefore>)
    ->Name("BM_CorpusPerReactionAsBefore")
    ->Unit(benchmark::kMillisecond);

// What no Balance can beat: the exact null-space solve alone, on every corpus reaction that
// reads, its text already prepared and read. Counted per corpus reaction like the others.
void BM_CorpusExactSolveOnly(benchmark::State &state)
{
    const std::vector<std::string> reactions = readReactions("corpus.txt");
    std::vector<molvane::BalanceProblem> problems;
    for (const std::string &reaction : reactions) {
        try {
            problems.push_back(
                molvane::ReadBalanceProblem(molvane::PrepareForBalance(reaction, 0, true).text));
        } catch (const std::runtime_error &) { }
    }
    for (auto _ : state)
        for (const molvane::BalanceProblem &problem : problems)
            benchmark::DoNotOptimize(molvane::SolveExactly(problem.counts, problem.reactantCount));
    countReactions(state, reactions.size());
}
BENCHMARK(BM_CorpusExactSolveOnly)->Unit(benchmark::kMillisecond);

void BM_OneReaction(benchmark::State &state, const std::string &reaction)
{
    state.SetLabel(reaction);
    for (auto _ : state)
        balanceTyped(reaction);
}

} // namespace

int main(int argc, char **argv)
{
    const std::vector<std::string> corpus = readReactions("corpus.txt");
    const std::vector<std::string> edge = readReactions("corpus-edge.txt");
    benchmark::RegisterBenchmark("BM_MedianCorpusReaction", BM_OneReaction, medianReaction(corpus))
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("BM_SlowestCorpusReaction", BM_OneReaction, slowest(corpus))
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("BM_SlowestEdgeReaction", BM_OneReaction, slowest(edge))
        ->Unit(benchmark::kMicrosecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
