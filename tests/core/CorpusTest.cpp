// The whole Balance path (blank removal, normalisation, analysis, solver) over the reaction
// corpora kept beside the benchmarks. Reactions without charges, electrons or hydrates give
// exactly what they gave before the reaction language grew: the Balance path of that time is
// kept here as the reference for a differential run over both corpora.
#include "core/Balance.h"
#include "core/ElementTable.h"
#include "core/Errors.h"
#include "core/ExactSolver.h"
#include "core/Fraction.h"
#include "core/NumberFormat.h"
#include "core/ReactionAnalysis.h"
#include "core/ReactionCharacters.h"
#include "core/ReactionText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <fstream>
#include <functional>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

using namespace molvane;

namespace {

struct CorpusLine
{
    std::string reaction;
    std::string verdict; // coefficients, or "ERR KIND ..." / "OK ..." in the edge corpus
};

std::vector<CorpusLine> readCorpus(const std::string &name)
{
    std::ifstream file(std::string(MOLVANE_CORPUS_DIR) + "/" + name);
    std::vector<CorpusLine> lines;
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        CorpusLine entry;
        std::getline(fields, entry.reaction, '\t');
        std::getline(fields, entry.verdict, '\t');
        lines.push_back(entry);
    }
    return lines;
}

std::string balanceAsTyped(const std::string &reaction, std::vector<std::string> &coefficients)
{
    const BalancedReaction result = Balance(PrepareForBalance(reaction, 0, true).text);
    coefficients = result.coefficients;
    return result.text;
}

bool sidesHoldDifferentElements(const std::string &reaction)
{
    const std::string units = InsertUnitCounts(PrepareForBalance(reaction, 0, true).text);
    const std::size_t arrow = units.find('>');
    std::vector<std::string> left = ListElements(units.substr(0, arrow) + "+");
    std::vector<std::string> right = ListElements(units.substr(arrow + 1) + "+");
    std::sort(left.begin(), left.end());
    std::sort(right.begin(), right.end());
    return left != right;
}

std::string joined(const std::vector<std::string> &texts)
{
    std::string out;
    for (const std::string &text : texts)
        out += (out.empty() ? "" : " ") + text;
    return out;
}

TEST(Corpus, EveryReactionGetsTheListedCoefficients)
{
    const std::vector<CorpusLine> corpus = readCorpus("corpus.txt");
    ASSERT_GT(corpus.size(), 500u);
    for (const CorpusLine &line : corpus) {
        std::vector<std::string> coefficients;
        try {
            balanceAsTyped(line.reaction, coefficients);
            EXPECT_EQ(joined(coefficients), line.verdict) << line.reaction;
        } catch (const std::exception &e) {
            ADD_FAILURE() << line.reaction << ": " << e.what();
        }
    }
}

TEST(Corpus, EdgeCasesEndInTheirVerdict)
{
    const std::vector<CorpusLine> corpus = readCorpus("corpus-edge.txt");
    ASSERT_GT(corpus.size(), 60u);
    for (const CorpusLine &line : corpus) {
        std::vector<std::string> coefficients;
        const std::string &verdict = line.verdict;
        if (verdict.starts_with("OK ")) {
            EXPECT_NO_THROW(balanceAsTyped(line.reaction, coefficients)) << line.reaction;
            EXPECT_EQ(joined(coefficients), verdict.substr(3)) << line.reaction;
        } else if (verdict.starts_with("ERR PARSE")) {
            EXPECT_THROW(balanceAsTyped(line.reaction, coefficients), std::runtime_error)
                << line.reaction;
        } else {
            // No unique all-positive answer: the cannot-balance message, unless the sides
            // already hold different elements.
            try {
                balanceAsTyped(line.reaction, coefficients);
                ADD_FAILURE() << line.reaction << " balanced as " << joined(coefficients);
            } catch (const CannotBalance &) {
            } catch (const InvalidReaction &) {
                EXPECT_TRUE(sidesHoldDifferentElements(line.reaction)) << line.reaction;
            }
        }
    }
}

// What one Balance gives: the written result, or which failure.
std::string outcome(const std::function<BalancedReaction()> &balance)
{
    try {
        const BalancedReaction r = balance();
        std::string out = r.text;
        for (std::size_t i = 0; i < r.formulas.size(); ++i)
            out += " | " + r.formulas[i] + " " + r.coefficients[i] + " "
                + r.weights[i].value_or("-");
        return out;
    } catch (const InvalidReaction &) {
        return "invalid";
    } catch (const CannotBalance &) {
        return "cannot balance";
    }
}

std::string referenceWeight(const std::string &formula)
{
    const std::string units = InsertUnitCounts(formula);
    const std::vector<std::string> elements = ListElements(units + "+");
    const std::vector<std::int32_t> counts = CountAtoms(units, elements);
    double sum = 0;
    for (std::size_t i = 0; i < elements.size(); ++i) {
        const std::optional<int> index = FindElement(elements[i]);
        if (!index)
            throw InvalidReaction("unknown element");
        long double weight = 0;
        const std::string_view text = AWList[*index];
        std::from_chars(text.data(), text.data() + text.size(), weight);
        sum = double(static_cast<long double>(sum) + static_cast<long double>(counts[i]) * weight);
    }
    return FormatGeneral(sum);
}

std::vector<std::string> bothSides(ReactionSides sides)
{
    sides.reactants.insert(sides.reactants.end(), sides.products.begin(), sides.products.end());
    return sides.reactants;
}

// The Balance path as it stood before charges, electrons and hydrates, answered by the exact solver
// (which gave the same answer as the text solver wherever both answered: a unique answer in
// smallest whole numbers).
BalancedReaction referenceBalance(std::string_view text)
{
    if (text.empty() || !std::all_of(text.begin(), text.end(), IsReactionCharacter))
        throw InvalidReaction("shape");
    const std::size_t arrow = text.find('>');
    if (arrow != std::string_view::npos && text.find('>', arrow + 1) != std::string_view::npos)
        throw InvalidReaction("arrows");
    const std::string units = InsertUnitCounts(text);
    const ReactionSides sides = SplitReaction(units);
    const int reactantCount = int(sides.reactants.size());
    const std::size_t unitArrow = units.find('>');
    const std::string before = unitArrow == std::string::npos ? "" : units.substr(0, unitArrow);
    const std::string after = unitArrow == std::string::npos ? units : units.substr(unitArrow + 1);
    std::vector<std::string> left = ListElements(before + "+"), right = ListElements(after + "+");
    if (left.size() != right.size()
        || std::any_of(left.begin(), left.end(),
            [&](const std::string &e) { return IndexOfElement(right, e) < 0; }))
        throw InvalidReaction("sides");
    const std::vector<std::string> elements = ListElements(units);
    const std::vector<std::string> substances = bothSides(sides);
    std::vector<std::vector<std::int32_t>> counts;
    counts.reserve(substances.size());
    for (const std::string &substance : substances)
        counts.push_back(CountAtoms(substance, elements));
    ExactAnswer exact;
    try {
        exact = SolveExactly(counts, reactantCount);
    } catch (const ConversionError &) {
        throw InvalidReaction("range");
    }
    if (exact.freeRatios != 1
        || std::any_of(exact.answer.begin(), exact.answer.end(), [](auto v) { return v <= 0; }))
        throw CannotBalance("answer");
    BalancedReaction result;
    for (const std::int64_t value : exact.answer) {
        if (value > std::numeric_limits<std::int32_t>::max())
            throw InvalidReaction("32 bits");
        result.coefficients.push_back(std::to_string(value));
    }
    result.formulas = bothSides(SplitReaction(text));
    for (const std::string &formula : result.formulas) {
        try {
            result.weights.emplace_back(referenceWeight(formula));
        } catch (const InvalidReaction &) {
            result.weights.emplace_back(std::nullopt);
        }
    }
    result.text = ComposeBalancedReaction(substances, result.coefficients, reactantCount);
    return result;
}

// An unclosed or unopened bracket was read as if it were closed or ignored; it is now an
// invalid reaction, on purpose.
bool bracketsUnbalanced(std::string_view text)
{
    int depth = 0;
    for (const char c : text) {
        depth += c == '(' ? 1 : c == ')' ? -1 : 0;
        if (depth < 0)
            return true;
    }
    return depth != 0;
}

TEST(NeutralDifferential, CorporaGiveTodaysResults)
{
    int compared = 0;
    for (const char *corpus : { "corpus.txt", "corpus-edge.txt" }) {
        for (const CorpusLine &line : readCorpus(corpus)) {
            for (const bool autoIdentify : { true, false }) {
                const std::string text = PrepareForBalance(line.reaction, 0, autoIdentify).text;
                const std::string now = outcome([&] { return Balance(text); });
                if (bracketsUnbalanced(text)) {
                    EXPECT_EQ(now, "invalid") << text;
                    continue;
                }
                EXPECT_EQ(now, outcome([&] { return referenceBalance(text); })) << text;
                ++compared;
            }
        }
    }
    EXPECT_GT(compared, 1200);
}

} // namespace
