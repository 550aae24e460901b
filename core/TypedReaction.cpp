#include "core/TypedReaction.h"
#include "core/Utf8.h"

#include "core/ElementTable.h"
#include "core/Errors.h"
#include "core/ReactionCharacters.h"
#include "core/ReactionSyntax.h"
#include "core/ReactionText.h"
#include "core/SubstanceFormula.h"

#include <algorithm>
#include <iterator>

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
        if (!IsUtf8Continuation(text[i]) && ++seen == position)
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

// Whether @p spotText ("Cu2{+}") is an ion chemistry may mean: not a charge of 1 on several
// atoms of one element (Hg2{2+} is one, Cu2{+} none), nor a charge beyond 8.
bool chemistryMeans(const std::string &spotText, bool autoIdentify)
{
    try {
        const SubstanceFormula ion
            = ReadSubstance(NormalizeReaction(spotText, 0, autoIdentify).text);
        const std::int32_t charge = ion.charge < 0 ? -ion.charge : ion.charge;
        const bool homonuclear = ion.symbols.size() == 1 && ion.counts.front() > 1;
        return charge <= 8 && !(homonuclear && charge == 1);
    } catch (const ReactionError &) {
        return true; // a reading that does not read is refused by its own fault
    }
}

bool countAt(unsigned mask, std::size_t spot)
{
    return ((mask >> spot) & 1U) != 0;
}

const std::string &spotReading(const ChargeSpot &spot, bool asCount)
{
    return asCount ? spot.asCount : spot.asCharge;
}

// The readings that balance the reaction, as masks of count readings.
std::vector<unsigned> balancingReadings(
    std::string_view typed, TypedOptions options, std::size_t spots, bool autoIdentify)
{
    std::vector<unsigned> balancing;
    for (unsigned mask = 0; mask < (1U << spots); ++mask) {
        options.countReadings = readingsOf(mask, spots);
        TypedReading reading = ReadTyped(typed, options);
        try {
            if (balances(normalised(reading, autoIdentify).text))
                balancing.push_back(mask);
        } catch (const InvalidReaction &) { }
    }
    return balancing;
}

// The first spot @p readings read differently, or 0.
std::size_t firstOpenSpot(const std::vector<unsigned> &readings, std::size_t spots)
{
    for (std::size_t s = 0; s < spots && readings.size() > 1; ++s) {
        const bool first = countAt(readings.front(), s);
        if (std::any_of(readings.begin(), readings.end(),
                [&](unsigned m) { return countAt(m, s) != first; }))
            return s;
    }
    return 0;
}

struct ChosenReading
{
    TypedReading reading;
    std::vector<ChargeReadingNote> notes;
};

// Per spot that @p balancing reads differently, the note that @p chosen was taken.
std::vector<ChargeReadingNote> notesOf(const std::vector<ChargeSpot> &spots,
    const std::vector<unsigned> &balancing, unsigned chosen, bool autoIdentify)
{
    std::vector<ChargeReadingNote> notes;
    for (std::size_t s = 0; s < spots.size(); ++s) {
        if (std::all_of(balancing.begin(), balancing.end(),
                [&](unsigned m) { return countAt(m, s) == countAt(chosen, s); }))
            continue;
        const auto canonical = [&](bool asCount) {
            return NormalizeReaction(spotReading(spots[s], asCount), 0, autoIdentify).text;
        };
        std::string typed = spots[s].asCount; // "Cu2{+}" as typed: "Cu2+"
        std::erase_if(typed, [](char c) { return c == '{' || c == '}'; });
        notes.push_back(
            { std::move(typed), canonical(countAt(chosen, s)), canonical(!countAt(chosen, s)) });
    }
    return notes;
}

// The one reading of digits before a sign under which the reaction balances, or the one of
// several that chemistry means; otherwise refused, naming the first spot left open.
ChosenReading chosenReading(std::string_view typed, TypedOptions options, bool autoIdentify)
{
    TypedReading first = ReadTyped(typed, options);
    if (first.fault.cause != FaultCause::None)
        throw InvalidReaction("sign", first.fault);
    const std::size_t spots = first.spots.size();
    if (spots == 0)
        return { std::move(first), {} };
    if (spots > MostSpots)
        ambiguous(first.spots.front(), autoIdentify);
    const std::vector<unsigned> balancing = balancingReadings(typed, options, spots, autoIdentify);
    std::vector<unsigned> meant;
    std::copy_if(balancing.begin(), balancing.end(), std::back_inserter(meant), [&](unsigned m) {
        for (std::size_t s = 0; s < spots; ++s)
            if (!chemistryMeans(spotReading(first.spots[s], countAt(m, s)), autoIdentify))
                return false;
        return true;
    });
    if (balancing.size() == 1 || (balancing.size() > 1 && meant.size() == 1)) {
        const unsigned chosen = balancing.size() == 1 ? balancing.front() : meant.front();
        options.countReadings = readingsOf(chosen, spots);
        return { ReadTyped(typed, options), notesOf(first.spots, balancing, chosen, autoIdentify) };
    }
    const std::vector<unsigned> &open = meant.size() > 1 ? meant : balancing;
    ambiguous(first.spots[firstOpenSpot(open, spots)], autoIdentify);
}

} // namespace

ReadReaction ReadTypedReaction(std::string_view typed, bool loneEqualsIsArrow, bool autoIdentify)
{
    ChosenReading chosen = chosenReading(typed, { loneEqualsIsArrow }, autoIdentify);
    ReadReaction read = normalised(std::move(chosen.reading), autoIdentify);
    read.chargeNotes = std::move(chosen.notes);
    return read;
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
        ChosenReading chosen = chosenReading(blanksAsArrow(pasted), options, autoIdentify);
        return { std::move(chosen.reading.text), {}, std::move(chosen.notes) };
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
        if (!IsUtf8Continuation(typed[i]))
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
