#pragma once

namespace molvane {

// Character classes of reaction texts: ASCII only, whatever the locale.
inline bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}
inline bool IsUpper(char c)
{
    return c >= 'A' && c <= 'Z';
}
inline bool IsLower(char c)
{
    return c >= 'a' && c <= 'z';
}
inline bool IsLetter(char c)
{
    return IsUpper(c) || IsLower(c);
}

/// The characters of the reaction grammar: letters, digits, "-", "(", ")", "+" and ">".
inline bool IsReactionCharacter(char c)
{
    return IsLetter(c) || IsDigit(c) || c == '-' || c == '(' || c == ')' || c == '+' || c == '>';
}

} // namespace molvane
