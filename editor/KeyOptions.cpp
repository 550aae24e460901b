#include "editor/KeyOptions.h"

namespace molvane {

char MapTypedCharacter(char typed, const KeyOptions &options)
{
    char c = typed;
    if (options.KP.find(c) != std::string::npos)
        c = '+';
    if (options.KF.find(c) != std::string::npos)
        c = '>';
    if (options.KOP.find(c) != std::string::npos)
        c = '(';
    if (options.KCP.find(c) != std::string::npos)
        c = ')';
    return c;
}

bool IsInsertable(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '('
        || c == ')' || c == '+' || c == '-' || c == '>';
}

} // namespace molvane
