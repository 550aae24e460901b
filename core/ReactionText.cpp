#include "core/ReactionText.h"

#include "core/ElementTable.h"
#include "core/ReactionCharacters.h"
#include "core/ReactionSyntax.h"

#include <algorithm>
#include <vector>

namespace molvane {

namespace {

bool isJoin(char c)
{
    return c == '+' || c == '>';
}
char upper(char c)
{
    return char(c - 'a' + 'A');
}

// Letter case of element symbols at @p p (0-based): a lower-case letter stays only directly
// after an upper-case letter with which it forms a symbol of the element table.
void fixLetterCase(std::string &text, std::size_t p)
{
    char &ch = text[p];
    if (!IsLower(ch))
        return;
    const char prev = p > 0 ? text[p - 1] : '\0';
    if (p == 0 || prev == '+' || prev == '-' || prev == '>' || IsDigit(prev) || IsLower(prev)) {
        ch = upper(ch);
        return;
    }
    const char symbol[2] = { prev, ch };
    if (!FindElement(std::string_view(symbol, 2)))
        ch = upper(ch);
}

// A lone "E" that takes a charge is the electron, never an element (there is no element E):
// automatic letter case writes it "e".
void keepElectron(std::string &text, std::size_t brace)
{
    const auto startsSubstance = [&](std::size_t p) { return p == 0 || isJoin(text[p - 1]); };
    if (brace >= 1 && text[brace - 1] == 'E' && startsSubstance(brace - 1))
        text[brace - 1] = 'e';
}

// Removes what may not stand at @p p; true when something was removed.
bool removeMisplaced(std::string &text, std::size_t p, int &caret, std::vector<int> *origin)
{
    bool removed = false;
    const auto remove = [&] {
        text.erase(p, 1);
        if (origin)
            origin->erase(origin->begin() + std::ptrdiff_t(p));
        if (caret >= int(p) + 1)
            --caret;
        removed = true;
    };
    if (p == 0 && IsDigit(text[p]))
        remove();
    if (p >= text.size())
        return removed;
    if (p > 0 && IsDigit(text[p]) && isJoin(text[p - 1]))
        remove();
    if (p >= text.size())
        return removed;
    if (p > 0 && isJoin(text[p]) && isJoin(text[p - 1]))
        remove();
    return removed;
}

// The length of the state symbol that opens at @p p and ends its substance, or 0; with
// @p autoIdentify in any letter case, which then becomes lower case.
std::size_t stateAt(std::string &text, std::size_t p, bool autoIdentify)
{
    if (text[p] != '(' || p == 0 || isJoin(text[p - 1]))
        return 0;
    const std::size_t close = text.find(')', p);
    if (close == std::string::npos || (close + 1 < text.size() && !isJoin(text[close + 1])))
        return 0;
    std::string state = text.substr(p, close + 1 - p);
    if (autoIdentify)
        std::transform(state.begin(), state.end(), state.begin(),
            [](char c) { return IsUpper(c) ? char(c - 'A' + 'a') : c; });
    if (!IsStateSymbol(state))
        return 0;
    text.replace(p, state.size(), state);
    return state.size();
}

// NormalizeReaction on @p result in place, its caret within its text.
void normalize(EditedText &result, bool autoIdentify, std::vector<int> *origin = nullptr)
{
    std::string &t = result.text;
    bool inBraces = false; // a charge's digits and signs are neither coefficients nor joins
    for (std::size_t p = 0; p < t.size();) {
        if (const std::size_t state = stateAt(t, p, autoIdentify)) {
            p += state; // a state's letters are no element symbols
            continue;
        }
        if (inBraces || t[p] == '{' || t[p] == '}') {
            inBraces = t[p] == '}' ? false : inBraces || t[p] == '{';
            if (autoIdentify && t[p] == '{')
                keepElectron(t, p);
            ++p;
            continue;
        }
        if (autoIdentify)
            fixLetterCase(t, p);
        if (!removeMisplaced(t, p, result.caret, origin))
            ++p; // after a removal the same position holds a new character
    }
}

} // namespace

EditedText NormalizeReaction(std::string_view text, int caret, bool autoIdentify)
{
    EditedText result { std::string(text), std::clamp(caret, 0, int(text.size())) };
    normalize(result, autoIdentify);
    return result;
}

std::optional<LetterCaseReading> AmbiguousReading(std::string_view text, int caret)
{
    if (caret < 2 || caret > int(text.size()))
        return std::nullopt;
    const char first = text[std::size_t(caret) - 2], second = text[std::size_t(caret) - 1];
    if (!IsUpper(first) || !IsLower(second))
        return std::nullopt;
    const char symbol[2] = { first, second };
    const char capital[1] = { upper(second) };
    if (!FindElement(std::string_view(symbol, 2)) || !FindElement(std::string_view(&first, 1))
        || !FindElement(std::string_view(capital, 1)))
        return std::nullopt;
    const char lower = char(first - 'A' + 'a');
    return LetterCaseReading { std::string { lower, second }, std::string(symbol, 2),
        std::string { first, capital[0] } };
}

EditedText RemoveBlanks(std::string_view text, int caret)
{
    EditedText result { {}, std::clamp(caret, 0, int(text.size())) };
    const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    // Most texts hold no blank at all.
    if (std::none_of(text.begin(), text.end(), isBlank)) {
        result.text.assign(text);
        return result;
    }
    result.text.reserve(text.size());
    const int original = result.caret;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (isBlank(text[i])) {
            if (int(i) < original)
                --result.caret;
        } else {
            result.text.push_back(text[i]);
        }
    }
    return result;
}

EditedText PrepareForBalance(std::string_view text, int caret, bool autoIdentify)
{
    // The text without blanks is normalised where it stands; its caret is within it already.
    EditedText prepared = RemoveBlanks(text, caret);
    normalize(prepared, autoIdentify);
    return prepared;
}

std::string NormalizeTracked(std::string_view text, std::vector<int> &origin, bool autoIdentify)
{
    EditedText result { std::string(text), 0 };
    normalize(result, autoIdentify, &origin);
    return std::move(result.text);
}

} // namespace molvane
