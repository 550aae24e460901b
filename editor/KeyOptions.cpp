#include "editor/KeyOptions.h"

#include "core/ReactionCharacters.h"
#include "core/ReactionSyntax.h"

namespace molvane {

char MapTypedCharacter(char typed, const KeyOptions &options)
{
    char c = typed;
    if (options.plusKeys.find(c) != std::string::npos)
        c = '+';
    if (options.arrowKeys.find(c) != std::string::npos)
        c = '>';
    if (options.openKeys.find(c) != std::string::npos)
        c = '(';
    if (options.closeKeys.find(c) != std::string::npos)
        c = ')';
    return c;
}

bool PressesEnter(char typed, const KeyOptions &options)
{
    return MapTypedCharacter(typed, options) == '\r';
}

bool IsInsertable(char c)
{
    // typing inserts exactly the reaction language's characters
    return IsReactionCharacter(c) || IsNotationCharacter(c);
}

} // namespace molvane
