#include "core/ReactionSyntax.h"
#include "core/Utf8.h"

#include "core/Errors.h"
#include "core/ReactionCharacters.h"

#include <algorithm>
#include <vector>

namespace molvane {

namespace {

constexpr std::string_view MiddleDot = "\xC2\xB7";

// The whole UTF-8 character that starts at @p index.
std::string characterAt(std::string_view text, std::size_t index)
{
    std::size_t end = index + 1;
    while (end < text.size() && IsUtf8Continuation(text[end]))
        ++end;
    return std::string(text.substr(index, end - index));
}

[[noreturn]] void fail(std::string_view text, FaultCause cause, std::size_t index)
{
    throw InvalidReaction("malformed reaction",
        ReactionFault { cause, characterAt(text, index), 0, CharacterPosition(text, index) });
}

bool isCloser(char c)
{
    return c == ')' || c == ']';
}

char opener(char closer)
{
    return closer == ')' ? '(' : '[';
}

} // namespace

bool IsNotationCharacter(char c)
{
    return c == '{' || c == '}' || c == '*' || c == '[' || c == ']';
}

bool UsesExtendedNotation(std::string_view text)
{
    return std::any_of(text.begin(), text.end(), IsNotationCharacter);
}

std::string WithJoiningStars(std::string_view text)
{
    // Most texts hold no middle dot, nor any byte that starts one.
    if (text.find(MiddleDot[0]) == std::string_view::npos)
        return std::string(text);
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.substr(i, MiddleDot.size()) == MiddleDot) {
            out.push_back('*');
            ++i;
        } else {
            out.push_back(text[i]);
        }
    }
    return out;
}

bool IsStateSymbol(std::string_view text)
{
    return text == "(s)" || text == "(l)" || text == "(g)" || text == "(aq)";
}

std::size_t StateLength(std::string_view formula)
{
    const std::size_t open = formula.rfind('(');
    if (open == 0 || open == std::string_view::npos || !IsStateSymbol(formula.substr(open)))
        return 0;
    const char before = formula[open - 1]; // a state follows a formula
    if (!IsLetter(before) && !IsDigit(before) && before != ')' && before != ']' && before != '}')
        return 0;
    return formula.size() - open;
}

int CharacterPosition(std::string_view text, std::size_t index)
{
    index = std::min(index, text.size());
    return int(1 + std::count_if(text.begin(), text.begin() + std::ptrdiff_t(index), [](char c) {
        return !IsUtf8Continuation(c);
    }));
}

void CheckCharactersAndBrackets(std::string_view text)
{
    std::vector<std::size_t> open; // round and square brackets not closed yet
    std::size_t brace = std::string_view::npos; // the open "{", if any
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (!IsReactionCharacter(c) && !IsNotationCharacter(c))
            fail(text, FaultCause::BadCharacter, i);
        if (brace != std::string_view::npos) {
            // A charge holds digits and signs only.
            if (c == '}')
                brace = std::string_view::npos;
            else if (IsReactionCharacter(c) && !IsDigit(c) && c != '+' && c != '-')
                fail(text, FaultCause::UnclosedBracket, brace); // the formula goes on
            else if (!IsDigit(c) && c != '+' && c != '-')
                fail(text, FaultCause::BadCharacter, i);
        } else if (c == '{') {
            brace = i;
        } else if (c == '}') {
            fail(text, FaultCause::UnopenedBracket, i);
        } else if (c == '(' || c == '[') {
            open.push_back(i);
        } else if (isCloser(c)) {
            if (open.empty() || text[open.back()] != opener(c))
                fail(text, FaultCause::UnopenedBracket, i);
            open.pop_back();
        } else if ((c == '+' || c == '>') && !open.empty()) {
            // A group ends inside its substance.
            fail(text, FaultCause::UnclosedBracket, open.back());
        }
    }
    if (brace != std::string_view::npos)
        fail(text, FaultCause::UnclosedBracket, brace);
    if (!open.empty())
        fail(text, FaultCause::UnclosedBracket, open.back());
}

void CheckSubstancesPresent(std::string_view reaction)
{
    bool inBraces = false, afterJoin = true; // the start stands for a join
    for (std::size_t i = 0; i < reaction.size(); ++i) {
        const char c = reaction[i];
        if (c == '{' || c == '}')
            inBraces = c == '{';
        const bool join = !inBraces && (c == '+' || c == '>');
        if (join && (afterJoin || i + 1 == reaction.size()))
            fail(reaction, FaultCause::EmptySubstance, i);
        afterJoin = join;
    }
}

void CheckArrows(std::string_view reaction)
{
    std::size_t first = std::string_view::npos;
    bool inBraces = false;
    for (std::size_t i = 0; i < reaction.size(); ++i) {
        const char c = reaction[i];
        if (c == '{' || c == '}')
            inBraces = c == '{';
        if (c != '>' || inBraces)
            continue;
        if (first != std::string_view::npos)
            fail(reaction, FaultCause::SeveralArrows, i);
        first = i;
    }
    if (first == std::string_view::npos)
        throw InvalidReaction("no arrow", ReactionFault { FaultCause::NoArrow, {}, 0, 0 });
}

} // namespace molvane
