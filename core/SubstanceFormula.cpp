#include "core/SubstanceFormula.h"

#include "core/Errors.h"
#include "core/Fraction.h"
#include "core/ReactionAnalysis.h"
#include "core/ReactionCharacters.h"

#include <limits>
#include <utility>

namespace molvane {

namespace {

using Atoms = std::vector<std::pair<std::string, std::int32_t>>;

// A fault at byte @p index of the substance; the reaction adds where the substance starts.
[[noreturn]] void malformed(FaultCause cause, std::size_t index, std::string name = {})
{
    throw InvalidReaction(
        "malformed substance", ReactionFault { cause, std::move(name), 0, int(index) + 1, {} });
}

std::int32_t checkedProduct(std::int64_t a, std::int64_t b)
{
    const std::int64_t value = a * b; // both fit in 32 bits, so the product fits in 64
    if (value < std::numeric_limits<std::int32_t>::min()
        || value > std::numeric_limits<std::int32_t>::max())
        throw InvalidReaction("count out of range", { FaultCause::OutOfRange, {}, 0, 0, {} });
    return std::int32_t(value);
}

// Adds @p count atoms of @p symbol, keeping the order in which symbols first appear.
void add(Atoms &atoms, std::string_view symbol, std::int32_t count)
{
    for (auto &[known, total] : atoms) {
        if (IndexOfElement({ known }, symbol) == 0) {
            total = checkedProduct(std::int64_t(total) + count, 1);
            return;
        }
    }
    atoms.emplace_back(std::string(symbol), count);
}

// The count at @p pos: 1 when none is written, -1 for a lone "-".
std::int32_t readCount(std::string_view text, std::size_t &pos)
{
    if (pos == text.size() || (!IsDigit(text[pos]) && text[pos] != '-'))
        return 1;
    if (text[pos] == '-' && (pos + 1 == text.size() || !IsDigit(text[pos + 1]))) {
        ++pos;
        return -1;
    }
    return ReadCount(text, pos);
}

// Atoms of one part without its multiplier, the part starting at byte @p offset of its
// substance. Groups are kept on a stack of their own, so that deep nesting needs no deep
// recursion.
Atoms readPart(std::string_view part, std::size_t offset)
{
    std::vector<std::pair<char, Atoms>> groups { { '\0', {} } };
    std::size_t pos = 0;
    while (pos < part.size()) {
        const char c = part[pos];
        if (IsLetter(c)) {
            const std::string_view symbol = ReadSymbol(part, pos);
            add(groups.back().second, symbol, readCount(part, pos));
        } else if (c == '(' || c == '[') {
            groups.emplace_back(c == '(' ? ')' : ']', Atoms {});
            ++pos;
        } else if (c == ')' || c == ']') {
            if (groups.size() < 2 || groups.back().first != c)
                malformed(FaultCause::UnopenedBracket, offset + pos, std::string(1, c));
            const Atoms inner = std::move(groups.back().second);
            groups.pop_back();
            ++pos;
            const std::size_t countAt = pos;
            const std::int32_t count = readCount(part, pos);
            if (count == 0) // as in the first grammar, a group cannot count zero times
                malformed(FaultCause::ZeroCount, offset + countAt);
            for (const auto &[symbol, atoms] : inner)
                add(groups.back().second, symbol, checkedProduct(atoms, count));
        } else if (c == '-') {
            malformed(FaultCause::MisplacedSign, offset + pos);
        } else {
            malformed(FaultCause::BadCharacter, offset + pos, std::string(1, c));
        }
    }
    if (groups.size() != 1)
        malformed(FaultCause::UnclosedBracket, offset, "(");
    return std::move(groups.front().second);
}

// The charge between braces, which open at @p brace: digits then a sign, or a sign then
// digits; no digits mean 1.
std::int32_t readCharge(std::string_view text, std::size_t brace)
{
    const auto bad
        = [&] { malformed(FaultCause::BadCharge, brace, "{" + std::string(text) + "}"); };
    if (text.empty())
        bad();
    const bool signFirst = text.front() == '+' || text.front() == '-';
    const char sign = signFirst ? text.front() : text.back();
    if (sign != '+' && sign != '-')
        bad();
    const std::string_view digits = signFirst ? text.substr(1) : text.substr(0, text.size() - 1);
    for (const char c : digits)
        if (!IsDigit(c))
            bad();
    std::int32_t magnitude = 1;
    if (!digits.empty()) {
        try {
            magnitude = ParseInt32(digits);
        } catch (const ConversionError &) {
            malformed(FaultCause::OutOfRange, brace);
        }
    }
    return sign == '-' ? -magnitude : magnitude;
}

} // namespace

std::string ChargeText(std::int32_t charge)
{
    if (charge == 0)
        return {};
    const std::int64_t magnitude = charge < 0 ? -std::int64_t(charge) : charge;
    return "{" + (magnitude == 1 ? std::string() : std::to_string(magnitude))
        + (charge < 0 ? "-" : "+") + "}";
}

std::string CanonicalSubstance(std::string_view text)
{
    const std::size_t brace = text.find('{');
    if (brace == std::string_view::npos)
        return std::string(text);
    return std::string(text.substr(0, brace)) + ChargeText(ReadSubstance(text).charge);
}

SubstanceFormula ReadSubstance(std::string_view text)
{
    SubstanceFormula substance;
    std::string_view formula = text;
    if (const std::size_t brace = text.find('{'); brace != std::string_view::npos) {
        const std::size_t close = text.find('}', brace);
        if (close + 1 != text.size())
            malformed(FaultCause::ChargeNotLast, brace);
        substance.charge = readCharge(text.substr(brace + 1, close - brace - 1), brace);
        formula = text.substr(0, brace);
    }
    if (formula == "e" && substance.charge == -1) {
        substance.electron = true;
        substance.unitForm = "e1" + ChargeText(-1);
        return substance;
    }

    Atoms atoms;
    std::size_t start = 0;
    for (;;) {
        const std::size_t star = formula.find('*', start);
        const std::string_view part = formula.substr(start, star - start);
        std::size_t pos = 0;
        while (pos < part.size() && IsDigit(part[pos]))
            ++pos;
        const std::string_view body = part.substr(pos);
        if (body.empty()) // an empty part, or a multiplier without a formula
            malformed(FaultCause::EmptyPart,
                star != std::string_view::npos ? star : (start > 0 ? start - 1 : 0));
        std::int32_t multiplier = 1;
        if (pos > 0) {
            try {
                multiplier = ParseInt32(part.substr(0, pos));
            } catch (const ConversionError &) {
                malformed(FaultCause::OutOfRange, start);
            }
            if (multiplier == 0)
                malformed(FaultCause::ZeroCount, start);
        }
        for (const auto &[symbol, count] : readPart(body, start + pos))
            add(atoms, symbol, checkedProduct(count, multiplier));
        if (!substance.unitForm.empty())
            substance.unitForm += '*';
        substance.unitForm += std::string(part.substr(0, pos)) + InsertUnitCounts(body);
        if (star == std::string_view::npos)
            break;
        start = star + 1;
    }
    for (auto &[symbol, count] : atoms) {
        substance.symbols.push_back(std::move(symbol));
        substance.counts.push_back(count);
    }
    substance.unitForm += ChargeText(substance.charge);
    return substance;
}

} // namespace molvane
