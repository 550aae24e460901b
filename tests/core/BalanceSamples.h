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

/// The balance problem read from @p text and the text solver's answer, pass count and record
/// for it, against the reference path's: "same" and the outcome, "invalid" where the text
/// cannot be read, or what differs. The text solver is asked whether or not Balance would.
std::string TextSolverComparison(const std::string &text);

/// @p outcome (BalanceOutcome's) with the cause of an invalid text left out: which texts are
/// invalid is as the reference path has it, but several causes were refined on purpose since.
std::string WithoutInvalidCause(const std::string &outcome);

/// Whether a "+" or arrow of @p text stands at either end or beside another: now refused, on
/// purpose, where the reference path read a substance "1" or none.
bool MissesASubstance(const std::string &text);

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
