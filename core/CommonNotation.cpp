#include "core/CommonNotation.h"
#include "core/Utf8.h"

#include "core/ReactionCharacters.h"
#include "core/ReactionSyntax.h"

#include <algorithm>
#include <array>

namespace molvane {

namespace {

// Longest first, so that "<=>" is not read as "<" and "=>".
constexpr std::array<std::string_view, 14> Arrows = {
    "<-->", "<=>", "<->", "-->", "->", "=>", "==",
    "\xE2\x86\x92", // U+2192 rightwards arrow
    "\xE2\x9F\xB6", // U+27F6 long rightwards arrow
    "\xE2\x87\x8C", // U+21CC rightwards harpoon over leftwards harpoon
    "\xE2\x87\x92", // U+21D2 rightwards double arrow
    "\xE2\x87\x84", // U+21C4 rightwards arrow over leftwards arrow
    "\xE2\x86\x94", // U+2194 left right arrow
    "\xE2\x9F\xB7", // U+27F7 long left right arrow
};

constexpr std::array<std::string_view, 5> Blanks = {
    " ", "\t", "\xC2\xA0", "\xE2\x80\x89", "\xE2\x80\xAF" // no-break and thin spaces
};

// ".", U+2022 bullet, U+00B7 middle dot, U+2219 bullet operator.
constexpr std::array<std::string_view, 4> HydrateDots
    = { ".", "\xE2\x80\xA2", "\xC2\xB7", "\xE2\x88\x99" };

constexpr std::string_view MinusSign = "\xE2\x88\x92"; // U+2212

// The length of @p candidates' entry that starts @p text, or 0.
template <std::size_t N>
std::size_t startingMatch(std::string_view text, const std::array<std::string_view, N> &candidates)
{
    for (const std::string_view candidate : candidates)
        if (text.starts_with(candidate))
            return candidate.size();
    return 0;
}

// A subscript digit (U+2080..U+2089) at the start of @p text as its digit, and its length.
std::size_t subscript(std::string_view text, char &digit)
{
    if (text.size() < 3 || text.substr(0, 2) != "\xE2\x82")
        return 0;
    const auto last = static_cast<unsigned char>(text[2]);
    if (last < 0x80 || last > 0x89)
        return 0;
    digit = char('0' + (last - 0x80));
    return 3;
}

// A superscript digit or sign at the start of @p text as its ASCII character, and its length.
std::size_t superscript(std::string_view text, char &c)
{
    constexpr std::array<std::pair<std::string_view, char>, 5> Short
        = { { { "\xC2\xB9", '1' }, { "\xC2\xB2", '2' }, { "\xC2\xB3", '3' },
            { "\xE2\x81\xBA", '+' }, { "\xE2\x81\xBB", '-' } } };
    for (const auto &[text2, ascii] : Short) {
        if (text.starts_with(text2)) {
            c = ascii;
            return text2.size();
        }
    }
    if (text.size() < 3 || text.substr(0, 2) != "\xE2\x81")
        return 0;
    const auto last = static_cast<unsigned char>(text[2]);
    if (last != 0xB0 && (last < 0xB4 || last > 0xB9))
        return 0;
    c = char('0' + (last - 0xB0));
    return 3;
}

bool endsFormula(char c)
{
    return IsLetter(c) || IsDigit(c) || c == ')' || c == ']';
}

bool startsFormula(char c)
{
    return IsLetter(c) || IsDigit(c) || c == '(' || c == '[';
}

class Reader
{
public:
    Reader(std::string_view typed, const TypedOptions &options)
        : m_typed(typed)
        , m_options(options)
    {
        m_equalsIsArrow = options.loneEqualsIsArrow && !HoldsCommonArrow(typed)
            && std::count(typed.begin(), typed.end(), '=') == 1;
        int position = 0;
        m_position.reserve(typed.size() + 1);
        for (const char c : typed) {
            if (!IsUtf8Continuation(c))
                ++position;
            m_position.push_back(position);
        }
        m_position.push_back(position + 1);
        m_plusMayBeSign = std::any_of(Blanks.begin(), Blanks.end(),
            [&](std::string_view blank) { return typed.find(blank) != std::string_view::npos; });
    }

    TypedReading read()
    {
        for (std::size_t i = 0; i < m_typed.size();)
            i += readAt(i);
        return std::move(m_out);
    }

private:
    void put(char c, std::size_t at)
    {
        m_out.text.push_back(c);
        m_out.origin.push_back(m_position[at]);
        m_afterBlank = false;
    }

    // Reads what starts at byte @p i; gives its length.
    std::size_t readAt(std::size_t i)
    {
        const std::string_view rest = m_typed.substr(i);
        char c = rest.front();
        if (const std::size_t arrow = startingMatch(rest, Arrows)) {
            put('>', i);
            return arrow;
        }
        if (m_equalsIsArrow && c == '=') {
            put('>', i);
            return 1;
        }
        if (const std::size_t blank = startingMatch(rest, Blanks)) {
            m_afterBlank = true;
            return blank;
        }
        if (const std::size_t length = subscript(rest, c)) {
            put(c, i);
            return length;
        }
        if (superscript(rest, c))
            return readCharge(i, 0);
        if (c == '^')
            return readCharge(i, 1);
        if (const std::size_t dot = startingMatch(rest, HydrateDots)) {
            const bool joins = afterFormula() && dot < rest.size() && startsFormula(rest[dot]);
            if (joins || c != '.') {
                put('*', i);
                return dot;
            }
        }
        const std::size_t minus = rest.starts_with(MinusSign) ? MinusSign.size() : 0;
        if (c == '+' || c == '-' || minus)
            return readSign(i, minus ? '-' : c, std::max<std::size_t>(minus, 1));
        put(c, i);
        return 1;
    }

    // Whether the text read so far ends in a formula the next character directly follows.
    bool afterFormula() const
    {
        return !m_afterBlank && !m_out.text.empty() && endsFormula(m_out.text.back())
            && StateLength(m_out.text) == 0;
    }

    // A charge of superscripts, or after a caret (@p skip 1): a sign then digits, or digits
    // then a sign, written in braces.
    std::size_t readCharge(std::size_t start, std::size_t skip)
    {
        std::string charge;
        std::size_t i = start + skip;
        const auto next = [&](char &c) {
            if (i >= m_typed.size())
                return std::size_t(0);
            if (const std::size_t length = superscript(m_typed.substr(i), c))
                return length;
            c = m_typed[i];
            return std::size_t(IsDigit(c) || c == '+' || c == '-' ? 1 : 0);
        };
        bool sign = false, digits = false;
        char c = 0;
        for (std::size_t length; (length = next(c)) != 0;) {
            const bool isSign = c == '+' || c == '-';
            if (isSign && sign)
                break;
            charge.push_back(c);
            i += length;
            sign = sign || isSign;
            digits = digits || !isSign;
            if (isSign && digits)
                break; // digits then their sign end the charge
        }
        if (charge.empty()) {
            put(m_typed[start], start);
            return 1;
        }
        put('{', start);
        for (const char d : charge)
            put(d, start);
        put('}', start);
        return i - start;
    }

    // Whether a sign of @p length at @p i ends its substance: the end, a blank, an arrow, a
    // state or (after "-") a joining "+" follows.
    bool endsSubstance(std::size_t after, char sign) const
    {
        const std::string_view rest = m_typed.substr(after);
        if (rest.empty() || startingMatch(rest, Blanks) || startingMatch(rest, Arrows)
            || rest.front() == '>')
            return true;
        const std::size_t close = rest.find(')');
        if (rest.front() == '(' && close != std::string_view::npos
            && IsStateSymbol(rest.substr(0, close + 1)))
            return true;
        return sign == '-' && rest.front() == '+';
    }

    // Whether the text read so far has a "{" not yet closed.
    bool inBraces() const
    {
        const std::size_t open = m_out.text.rfind('{');
        return open != std::string::npos && m_out.text.find('}', open) == std::string::npos;
    }

    std::size_t readSign(std::size_t i, char sign, std::size_t length)
    {
        if (inBraces() || (sign == '+' && !m_plusMayBeSign)) {
            put(sign, i);
            return length;
        }
        if (!afterFormula() || !endsSubstance(i + length, sign)) {
            if (sign == '-' && m_out.fault.cause == FaultCause::None)
                m_out.fault = { FaultCause::MisplacedSign, "-", 0, m_position[i], {} };
            put(sign, i);
            return length;
        }
        std::string &text = m_out.text;
        std::size_t digits = 0;
        while (digits < text.size() && IsDigit(text[text.size() - 1 - digits]))
            ++digits;
        const bool counted = digits > 0 && digits < text.size()
            && endsFormula(text[text.size() - 1 - digits]) && text.back() != '0';
        if (!counted) {
            putCharge(std::string(1, sign), i);
            return length;
        }
        const std::size_t spot = m_out.spots.size();
        const bool asCount = spot < m_options.countReadings.size() && m_options.countReadings[spot];
        std::size_t start = text.find_last_of("+>");
        start = start == std::string::npos ? 0 : start + 1;
        const std::string formula = text.substr(start);
        const std::string charge = "{" + std::string(1, formula.back()) + sign + "}";
        m_out.spots.push_back({ formula.substr(0, formula.size() - 1) + charge,
            formula + "{" + sign + "}", m_out.origin.back() });
        if (asCount) {
            putCharge(std::string(1, sign), i);
        } else {
            const char digit = text.back();
            const int origin = m_out.origin.back();
            text.pop_back();
            m_out.origin.pop_back();
            put('{', i);
            m_out.text.push_back(digit);
            m_out.origin.push_back(origin);
            put(sign, i);
            put('}', i);
        }
        return length;
    }

    void putCharge(const std::string &charge, std::size_t at)
    {
        put('{', at);
        for (const char c : charge)
            put(c, at);
        put('}', at);
    }

    std::string_view m_typed;
    const TypedOptions &m_options;
    bool m_equalsIsArrow = false;
    bool m_afterBlank = false;
    // Plain text parts its substances with blanks around "+"; without blanks a "+" joins.
    bool m_plusMayBeSign = false;
    std::vector<int> m_position; // per typed byte, its character position
    TypedReading m_out;
};

} // namespace

bool HoldsCommonArrow(std::string_view text)
{
    if (text.find('>') != std::string_view::npos)
        return true;
    return std::any_of(Arrows.begin(), Arrows.end(),
        [&](std::string_view arrow) { return text.find(arrow) != std::string_view::npos; });
}

TypedReading ReadTyped(std::string_view typed, const TypedOptions &options)
{
    return Reader(typed, options).read();
}

std::string FromCommonNotation(std::string_view text, bool loneEqualsIsArrow)
{
    return ReadTyped(text, { loneEqualsIsArrow }).text;
}

} // namespace molvane
