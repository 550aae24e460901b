#include "BalanceSamples.h"

#include "BalanceReference.h"

#include "core/Errors.h"
#include "core/ReactionSyntax.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string_view>

namespace molvane {

namespace {

std::string faultText(const char *kind, const ReactionError &error)
{
    const ReactionFault &fault = error.fault();
    return std::string(kind) + " " + error.what() + " " + std::to_string(int(fault.cause)) + " "
        + fault.name + " " + std::to_string(fault.substance) + " " + std::to_string(fault.position);
}

template <std::size_t N>
std::string_view pick(std::mt19937 &random, const std::array<std::string_view, N> &choices)
{
    return choices[std::uniform_int_distribution<std::size_t>(0, N - 1)(random)];
}

int below(std::mt19937 &random, int n)
{
    return std::uniform_int_distribution<int>(0, n - 1)(random);
}

constexpr std::array<std::string_view, 18> symbols { "H", "O", "C", "N", "Na", "Cl", "Fe", "S",
    "Ca", "K", "co", "Co", "CO", "Xx", "Q", "e", "Cu", "h" };
constexpr std::array<std::string_view, 12> counts { "", "", "", "2", "3", "2", "0", "12", "-", "-1",
    "2147483647", "65536" };
constexpr std::array<std::string_view, 6> charges { "{+}", "{2-}", "{-}", "{3+}", "{+2}", "{}" };
constexpr std::array<std::string_view, 13> strays { " ", "\t", "(", ")", "}", "{", "#", ">", "+",
    "*", "\xC2\xB7", "[", "]" };

std::string randomFormula(std::mt19937 &random)
{
    std::string formula;
    const int parts = 1 + below(random, 3);
    for (int p = 0; p < parts; ++p) {
        if (p > 0)
            formula += below(random, 2) ? "*" : "\xC2\xB7";
        if (below(random, 3) == 0)
            formula += std::to_string(1 + below(random, 6));
        const int groups = below(random, 3);
        for (int g = 0; g < groups; ++g)
            formula += below(random, 2) ? "(" : "[";
        for (int a = 1 + below(random, 3); a > 0; --a) {
            formula += pick(random, symbols);
            formula += pick(random, counts);
        }
        for (int g = 0; g < groups; ++g) {
            const bool round = formula.rfind('(') != std::string::npos && below(random, 2);
            formula += round ? ")" : "]";
            formula += pick(random, counts);
        }
    }
    if (below(random, 4) == 0)
        formula += pick(random, charges);
    return formula;
}

std::string randomReactionFromPieces(std::mt19937 &random)
{
    std::string text;
    for (const int side : { 0, 1 }) {
        if (side == 1)
            text += '>';
        for (int s = 1 + below(random, 4); s > 0; --s) {
            text += randomFormula(random);
            if (s > 1)
                text += '+';
        }
    }
    return text;
}

// The substances of one side, split at "+" (good enough for texts without charges).
std::vector<std::string> substances(const std::string &side)
{
    std::vector<std::string> out(1);
    for (const char c : side) {
        if (c == '+')
            out.emplace_back();
        else
            out.back() += c;
    }
    return out;
}

std::string joined(const std::vector<std::string> &parts)
{
    std::string out;
    for (const std::string &part : parts)
        out += (out.empty() ? "" : "+") + part;
    return out;
}

// A corpus reaction with a few changes, many of which keep it balanced.
std::string changedReaction(std::mt19937 &random, std::string text)
{
    for (int changes = below(random, 4); changes > 0; --changes) {
        const std::size_t arrow = text.find('>');
        const int kind = below(random, 7);
        if (kind <= 2 && arrow != std::string::npos) {
            std::vector<std::string> left = substances(text.substr(0, arrow));
            std::vector<std::string> right = substances(text.substr(arrow + 1));
            std::vector<std::string> &side = below(random, 2) ? left : right;
            std::string &one = side[std::size_t(below(random, int(side.size())))];
            if (kind == 0)
                std::swap(one, side.front());
            else if (kind == 1)
                one.insert(0, "[").append("]");
            else if (below(random, 2))
                one.insert(0, "(").append(")");
            else {
                const std::string copy = one;
                one += '*';
                one += copy;
            }
            text = joined(left) + ">" + joined(right);
        } else if (kind == 3) {
            for (char &c : text)
                if (c >= 'A' && c <= 'Z' && below(random, 2))
                    c = char(c - 'A' + 'a');
        } else if (kind == 4) {
            text.insert(std::size_t(below(random, int(text.size()) + 1)),
                std::string(below(random, 2) ? pick(random, strays) : pick(random, symbols)));
        } else if (kind == 5 && !text.empty()) {
            text.erase(std::size_t(below(random, int(text.size()))), 1);
        } else {
            text += below(random, 2) ? "+e{-}" : std::string(pick(random, charges));
        }
    }
    return text;
}

} // namespace

std::string WithoutInvalidCause(const std::string &outcome)
{
    return outcome.starts_with("invalid") ? "invalid" : outcome;
}

bool MissesASubstance(const std::string &text)
{
    try {
        CheckSubstancesPresent(text);
        return false;
    } catch (const InvalidReaction &) {
        return true;
    }
}

std::string ProblemComparison(const std::string &text)
{
    BalanceProblem problem;
    try {
        problem = ReadBalanceProblem(text);
    } catch (const InvalidReaction &) {
        return "invalid";
    }
    const BalanceProblem expected = reference::ReadBalanceProblem(text);
    if (problem.text != expected.text || problem.rows != expected.rows
        || problem.counts != expected.counts || problem.unitSubstances != expected.unitSubstances
        || problem.reactantCount != expected.reactantCount)
        return "problem differs";
    return "same";
}

std::string BalanceOutcome(const std::function<BalancedReaction()> &balance)
{
    try {
        const BalancedReaction r = balance();
        std::string out = "ok " + r.text;
        if (r.formulas.size() != r.coefficients.size() || r.formulas.size() != r.weights.size())
            return out + " with lists of different lengths";
        for (std::size_t i = 0; i < r.formulas.size(); ++i)
            out += " | " + r.formulas[i] + " " + r.coefficients[i] + " "
                + r.weights[i].value_or("-");
        return out;
    } catch (const InvalidReaction &e) {
        return faultText("invalid", e);
    } catch (const CannotBalance &e) {
        return faultText("cannot balance", e);
    }
}

bool HoldsAState(const std::string &text)
{
    for (std::size_t end = 0; end <= text.size(); ++end)
        if ((end == text.size() || text[end] == '+' || text[end] == '>')
            && StateLength(std::string_view(text).substr(0, end)) > 0)
            return true;
    return false;
}

std::string RandomText(std::mt19937 &random, const std::string &alphabet, unsigned lengths)
{
    std::string text(random() % lengths, ' ');
    for (char &c : text)
        c = alphabet[random() % alphabet.size()];
    return text;
}

std::vector<std::string> ReadCorpusReactions(const std::string &path)
{
    std::ifstream file(path);
    std::vector<std::string> reactions;
    for (std::string line; std::getline(file, line);)
        if (!line.empty() && line[0] != '#')
            reactions.push_back(line.substr(0, line.find('\t')));
    return reactions;
}

std::vector<std::string> ReadCorporaAndSeeds(const std::string &corpusDirectory)
{
    std::vector<std::string> reactions;
    for (const char *name : { "corpus.txt", "corpus-edge.txt" }) {
        const std::vector<std::string> corpus = ReadCorpusReactions(corpusDirectory + "/" + name);
        reactions.insert(reactions.end(), corpus.begin(), corpus.end());
    }
    const std::filesystem::path seeds
        = std::filesystem::path(corpusDirectory) / ".." / "fuzz" / "corpus" / "balance";
    for (const auto &seed : std::filesystem::directory_iterator(seeds)) {
        std::ifstream file(seed.path(), std::ios::binary);
        reactions.emplace_back(
            std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }
    return reactions;
}

std::string RandomReaction(std::mt19937 &random, const std::vector<std::string> &corpus)
{
    if (corpus.empty() || below(random, 5) < 2)
        return randomReactionFromPieces(random);
    return changedReaction(random, corpus[std::size_t(below(random, int(corpus.size())))]);
}

} // namespace molvane
