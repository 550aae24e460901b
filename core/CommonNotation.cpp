#include "core/CommonNotation.h"

#include "core/ReactionSyntax.h"

#include <algorithm>
#include <array>

namespace molvane {

namespace {

// Longest first, so that "<=>" is not read as "<" and "=>".
constexpr std::array<std::string_view, 8> Arrows = {
    "<=>", "<->", "->", "=>",
    "\xE2\x86\x92", // U+2192 rightwards arrow
    "\xE2\x9F\xB6", // U+27F6 long rightwards arrow
    "\xE2\x87\x8C", // U+21CC rightwards harpoon over leftwards harpoon
    "\xE2\x87\x92", // U+21D2 rightwards double arrow
};

constexpr std::array<std::string_view, 3> Blanks = { " ", "\t", "\xC2\xA0" };

// The length of @p candidates' entry that starts @p text, or 0.
template <std::size_t N>
std::size_t startingMatch(std::string_view text, const std::array<std::string_view, N> &candidates)
{
    for (const std::string_view candidate : candidates)
        if (text.starts_with(candidate))
            return candidate.size();
    return 0;
}

} // namespace

bool HoldsCommonArrow(std::string_view text)
{
    if (text.find('>') != std::string_view::npos)
        return true;
    return std::any_of(Arrows.begin(), Arrows.end(),
        [&](std::string_view arrow) { return text.find(arrow) != std::string_view::npos; });
}

std::string FromCommonNotation(std::string_view text, bool loneEqualsIsArrow)
{
    const bool equalsIsArrow = loneEqualsIsArrow && !HoldsCommonArrow(text)
        && std::count(text.begin(), text.end(), '=') == 1;
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const std::string_view rest = text.substr(i);
        if (const std::size_t arrow = startingMatch(rest, Arrows)) {
            out.push_back('>');
            i += arrow;
        } else if (const std::size_t blank = startingMatch(rest, Blanks)) {
            i += blank;
        } else {
            out.push_back(equalsIsArrow && rest.front() == '=' ? '>' : rest.front());
            ++i;
        }
    }
    return WithJoiningStars(out);
}

} // namespace molvane
