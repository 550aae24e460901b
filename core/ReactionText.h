#pragma once

#include <string>
#include <string_view>

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
/// (nacl becomes NaCl). The caret keeps its place among the remaining characters.
EditedText NormalizeReaction(std::string_view text, int caret, bool autoIdentify);

/// Removes blanks and tabs, which are not part of the reaction grammar.
EditedText RemoveBlanks(std::string_view text, int caret);

/// The text the Balance command analyses: blanks removed first, then normalised.
EditedText PrepareForBalance(std::string_view text, int caret, bool autoIdentify);

} // namespace molvane
