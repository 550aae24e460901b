#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace molvane {

/// A reaction text with the editor's caret (the number of characters before it).
struct EditedText
{
    std::string text;
    int caret = 0;

    friend bool operator==(const EditedText &, const EditedText &) = default;
};

/// Keeps a typed reaction well formed: no digits at the start or after "+" or ">", no "+" or
/// ">" after "+" or ">", and with @p autoIdentify the letter case of element symbols fixed
/// (nacl becomes NaCl, and a lone E before a charge the electron e). A charge in braces is
/// left as it is. The caret keeps its place among the remaining characters.
EditedText NormalizeReaction(std::string_view text, int caret, bool autoIdentify);

/// NormalizeReaction without a caret, keeping @p origin (one entry per byte of @p text) in step
/// with the characters it removes.
std::string NormalizeTracked(std::string_view text, std::vector<int> &origin, bool autoIdentify);

/// Two lower-case letters that automatic letter case read as one element although their
/// capitals name two ("co" read as Co, where CO may have been meant).
struct LetterCaseReading
{
    std::string typed; ///< "co"
    std::string symbol; ///< "Co", the reading taken
    std::string other; ///< "CO", the reading not taken

    friend bool operator==(const LetterCaseReading &, const LetterCaseReading &) = default;
};

/// The reading of the two letters just before @p caret in a normalised text, when it is such a
/// one.
std::optional<LetterCaseReading> AmbiguousReading(std::string_view text, int caret);

/// Removes blanks and tabs, which are not part of the reaction grammar.
EditedText RemoveBlanks(std::string_view text, int caret);

/// The text the Balance command analyses: blanks removed first, then normalised.
EditedText PrepareForBalance(std::string_view text, int caret, bool autoIdentify);

} // namespace molvane
