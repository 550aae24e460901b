// The whole Balance path (blank removal, normalisation, analysis, solver) over the reaction
// corpora kept beside the benchmarks.
#include "core/Balance.h"
#include "core/Errors.h"
#include "core/ReactionAnalysis.h"
#include "core/ReactionText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
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

} // namespace
