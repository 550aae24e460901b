#include "core/TypedReaction.h"

#include "core/ElementTable.h"
#include "core/Errors.h"
#include "core/ReactionCharacters.h"
#include "core/ReactionSyntax.h"
#include "core/ReactionText.h"

#include <algorithm>

namespace molvane {

namespace {

// Readings of digits before a sign tried at most: two per spot.
constexpr std::size_t MostSpots = 6;

// The typed position of character @p position (from 1) of @p text, whose bytes come from
// @p origin; past the end, one after the last typed character.
int typedPosition(std::string_view text, const std::vector<int> &origin, int position)
{
    int seen = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && ++seen == position)
            return origin[i];
    }
    return origin.empty() ? position : origin.back() + 1;
}

ReadReaction normalised(TypedReading reading, bool autoIdentify)
{
    try {
        CheckSubstancesPresent(reading.text);
    } catch (const InvalidReaction &e) {
        ReactionFault fault = e.fault();
        fault.position = typedPosition(reading.text, reading.origin, fault.position);
        throw InvalidReaction(e.what(), fault);
    }
    ReadReaction read;
    read.origin = std::move(reading.origin);
    read.text = NormalizeTracked(reading.text, read.origin, autoIdentify);
    return read;
}

bool balances(std::string_view text)
{
    try {
        Balance(text);
        return true;
    } catch (const ReactionError &) {
        return false;
    }
}

std::vector<bool> readingsOf(unsigned mask, std::size_t spots)
{
    std::vector<bool> readings(spots);
    for (std::size_t s = 0; s < spots; ++s)
        readings[s] = ((mask >> s) & 1U) != 0;
    return readings;
}

[[noreturn]] void ambiguous(const ChargeSpot &spot, bool autoIdentify)
{
    throw InvalidReaction("digits before a sign",
        { FaultCause::AmbiguousCharge, NormalizeReaction(spot.asCharge, 0, autoIdentify).text, 0,
            spot.position, NormalizeReaction(spot.asCount, 0, autoIdentify).text });
}

// The one reading of digits before a sign under which the reaction balances; none or several
// are refused, naming the first spot the balancing readings leave open.
TypedReading chosenReading(std::string_view typed, TypedOptions options, bool autoIdentify)
{
    TypedReading first = ReadTyped(typed, options);
    if (first.fault.cause != FaultCause::None)
        throw InvalidReaction("sign", first.fault);
    const std::size_t spots = first.spots.size();
    if (spots == 0)
        return first;
    if (spots > MostSpots)
        ambiguous(first.spots.front(), autoIdentify);
    std::vector<unsigned> balancing;
    for (unsigned mask = 0; mask < (1U << spots); ++mask) {
        options.countReadings = readingsOf(mask, spots);
        TypedReading reading = ReadTyped(typed, options);
        try {
            if (balances(normalised(reading, autoIdentify).text))
                balancing.push_back(mask);
        } catch (const InvalidReaction &) { }
    }
    if (balancing.size() == 1) {
        options.countReadings = readingsOf(balancing.front(), spots);
        return ReadTyped(typed, options);
    }
    std::size_t open = 0;
    for (std::size_t s = 0; s < spots && balancing.size() > 1; ++s) {
        const bool firstBit = ((balancing.front() >> s) & 1U) != 0;
        if (std::any_of(balancing.begin(), balancing.end(),
                [&](unsigned m) { return (((m >> s) & 1U) != 0) != firstBit; })) {
            open = s;
            break;
        }
    }
    ambiguous(first.spots[open], autoIdentify);
}

} // namespace

ReadReaction ReadTypedReaction(std::string_view typed, bool loneEqualsIsArrow, bool autoIdentify)
{
    return normalised(chosenReading(typed, { loneEqualsIsArrow }, autoIdentify), autoIdentify);
}

ReactionFault AtTypedPosition(ReactionFault fault, const ReadReaction &read)
{
    if (fault.position > 0)
        fault.position = typedPosition(read.text, read.origin, fault.position);
    return fault;
}

BalancedReaction BalanceTyped(std::string_view typed, bool loneEqualsIsArrow, bool autoIdentify)
{
    const ReadReaction read = ReadTypedReaction(typed, loneEqualsIsArrow, autoIdentify);
    try {
        return Balance(read.text);
    } catch (const InvalidReaction &e) {
        throw InvalidReaction(e.what(), AtTypedPosition(e.fault(), read));
    } catch (const CannotBalance &e) {
        throw CannotBalance(e.what(), AtTypedPosition(e.fault(), read));
    }
}

namespace {

// In a text without any arrow, a blank between two formulas stands for the arrow, as a space
// typed there does ("fe+o2 fe2o3"); blanks beside a "+" or "=" only space the text out.
std::string blanksAsArrow(std::string_view pasted)
{
    std::string text(pasted);
    if (HoldsCommonArrow(pasted) || std::count(pasted.begin(), pasted.end(), '=') == 1)
        return text;
    const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    const auto joins = [](char c) { return c == '+' || c == '='; };
    for (std::size_t i = 1; i < text.size(); ++i) {
        if (!isBlank(pasted[i]) || isBlank(pasted[i - 1]) || joins(pasted[i - 1]))
            continue;
        std::size_t next = i;
        while (next < text.size() && isBlank(text[next]))
            ++next;
        if (next < text.size() && !joins(text[next]))
            text[i] = '>';
    }
    return text;
}

} // namespace

PastedReaction ReadPastedReaction(std::string_view pasted, bool autoIdentify)
{
    // A paste is a whole reaction, read as the command line reads one: a single "=" is the
    // arrow where no other stands.
    const TypedOptions options { true };
    try {
        return { chosenReading(blanksAsArrow(pasted), options, autoIdentify).text, {} };
    } catch (const InvalidReaction &e) {
        return { {}, e.fault() };
    }
}

std::vector<std::string> SymbolsNotElements(std::string_view normalised)
{
    std::vector<std::string> symbols;
    try {
        for (const std::string &row : ReadBalanceProblem(normalised).rows)
            if (!row.empty() && !FindElement(row))
                symbols.push_back(row);
    } catch (const ReactionError &) {
        // A reaction that cannot be read is told why; its symbols need no note.
    }
    return symbols;
}

std::vector<LetterCaseNote> LetterCaseNotes(const ReadReaction &read, std::string_view typed)
{
    std::vector<std::size_t> byteOf; // per typed character position - 1, its first byte
    for (std::size_t i = 0; i < typed.size(); ++i)
        if ((static_cast<unsigned char>(typed[i]) & 0xC0) != 0x80)
            byteOf.push_back(i);
    const auto typedLower = [&](std::size_t i) {
        const std::size_t position = std::size_t(read.origin[i]);
        return position >= 1 && position <= byteOf.size() && IsLower(typed[byteOf[position - 1]]);
    };
    std::vector<LetterCaseNote> notes;
    for (std::size_t i = 0; i + 1 < read.text.size(); ++i) {
        const auto reading = AmbiguousReading(read.text, int(i) + 2);
        if (!reading || !typedLower(i) || !typedLower(i + 1))
            continue;
        LetterCaseNote note { reading->typed, reading->symbol, reading->other };
        if (std::find(notes.begin(), notes.end(), note) == notes.end())
            notes.push_back(std::move(note));
    }
    return notes;
}

} // namespace molvane
