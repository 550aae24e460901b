#pragma once

#include "core/Balance.h"

#include <functional>
#include <random>
#include <string>
#include <vector>

namespace molvane {

/// Everything one Balance gives, as one text: "ok" with the written reaction, formulas,
/// coefficients and weights, or the failure with its message and cause.
std::string BalanceOutcome(const std::function<BalancedReaction()> &balance);

/// @p outcome, an invalid one without its cause: which texts are invalid is the reference's,
/// but the causes of several were refined on purpose (an empty reaction, a missing substance,
/// a zero count, a malformed charge now named where they are).
std::string WithoutInvalidCause(const std::string &outcome);

/// Whether a "+" or arrow stands at either end or beside another: now refused, on purpose,
/// where the reference read a substance "1" or none.
bool MissesASubstance(const std::string &text);

/// The balance problem read from @p text against the reference path's: "same", "invalid" where
/// the text cannot be read, or "problem differs".
std::string ProblemComparison(const std::string &text);

/// Whether a substance of @p text ends in a state such as "(aq)", which the reference path
/// reads as a group.
bool HoldsAState(const std::string &text);

/// The reactions of a corpus file: the first field of each line, skipping "#" comments.
std::vector<std::string> ReadCorpusReactions(const std::string &path);

/// The reactions of both benchmark corpora under @p corpusDirectory and the balance fuzz
/// target's seeds beside it, each seed file one reaction.
std::vector<std::string> ReadCorporaAndSeeds(const std::string &corpusDirectory);

/// A reaction to balance: a reaction of @p corpus changed a little (order, letter case,
/// brackets, charges, hydrates, counts, blanks, stray characters), or one made of random
/// pieces.
std::string RandomReaction(std::mt19937 &random, const std::vector<std::string> &corpus);

/// Fewer than @p lengths characters of @p alphabet, each drawn at random.
std::string RandomText(std::mt19937 &random, const std::string &alphabet, unsigned lengths);

} // namespace molvane
