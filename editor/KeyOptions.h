#pragma once

#include <string>

namespace molvane {

/// Which typed characters stand for "+", the arrow and the brackets, and whether element
/// symbols get their letter case automatically. User settings, not document settings.
struct KeyOptions
{
    std::string plusKeys = "+="; ///< characters that type "+"
    std::string arrowKeys = " >."; ///< characters that type the arrow ">"
    std::string openKeys = "(["; ///< characters that type "("
    std::string closeKeys = ")]"; ///< characters that type ")"
    bool autoIdentify = true; ///< elements auto identification

    friend bool operator==(const KeyOptions &, const KeyOptions &) = default;
};

/// Maps a typed character through the lists in the order plus, arrow, open, close, each applied to
/// the result of the one before.
char MapTypedCharacter(char typed, const KeyOptions &options);

/// Whether typing @p typed presses Enter, which asks for Balance.
bool PressesEnter(char typed, const KeyOptions &options);

/// The characters typing may insert: letters, digits, "(", ")", "+", "-", ">", and the
/// braces, "*" and square brackets of charges and hydrates.
bool IsInsertable(char c);

} // namespace molvane
