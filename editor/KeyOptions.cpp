#include "editor/KeyOptions.h"

#include "core/ReactionCharacters.h"

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
    return IsReactionCharacter(c); // typing inserts exactly the reaction grammar's characters
}

} // namespace molvane
