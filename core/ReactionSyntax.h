#pragma once

#include <string>
#include <string_view>

namespace molvane {

/// The characters the reaction language adds to the first grammar: braces around a charge,
/// "*" joining the parts of a hydrate, and square brackets.
bool IsNotationCharacter(char c);

/// Whether @p text uses a charge, a hydrate or square brackets, which the first grammar lacks.
bool UsesExtendedNotation(std::string_view text);

/// @p text with every middle dot (U+00B7, in UTF-8) written as the "*" it stands for.
std::string WithJoiningStars(std::string_view text);

/// Throws InvalidReaction naming the first character outside the language, or the first
/// bracket or brace that is not closed or not opened, in @p text (a reaction or a formula).
void CheckCharactersAndBrackets(std::string_view text);

/// Throws InvalidReaction naming the first "+" or arrow without a substance on one side.
void CheckSubstancesPresent(std::string_view reaction);

/// Throws InvalidReaction when @p reaction has no arrow or more than one.
void CheckArrows(std::string_view reaction);

/// Whether @p text is a state symbol: "(s)", "(l)", "(g)" or "(aq)".
bool IsStateSymbol(std::string_view text);

/// The length of the state symbol, "(s)", "(l)", "(g)" or "(aq)", that ends @p formula after
/// something else, or 0. A state is neither a group nor counted: balancing and weights skip it.
std::size_t StateLength(std::string_view formula);

/// The position, counted in characters from 1, of the byte at @p index of UTF-8 @p text.
int CharacterPosition(std::string_view text, std::size_t index);

} // namespace molvane
