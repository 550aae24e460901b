#include "core/SolverLine.h"

#include "core/Errors.h"
#include "core/ReactionCharacters.h"

#include <charconv>
#include <limits>

namespace molvane {

namespace {

bool isSign(char c)
{
    return c == '+' || c == '-';
}

// The most one term's text takes: two signs, two numbers of up to 20 characters, "/", and "["
// with an index of up to 11 characters and "]".
constexpr std::size_t termTextRoom = 56;

// Most numbers the solver writes are a single digit, which needs no conversion.
template <typename Number> char *writeNumber(char *out, std::size_t room, Number value)
{
    if (static_cast<std::uint64_t>(value) < 10) {
        *out = char('0' + int(value));
        return out + 1;
    }
    return std::to_chars(out, out + room, value).ptr;
}

// Each number gets only its own room, so no write can pass the room of the term.
char *writeSide(const std::vector<SolverTerm> &side, char *out)
{
    for (const SolverTerm &term : side) {
        if (term.lead)
            *out++ = term.lead;
        if (term.sign)
            *out++ = term.sign;
        out = writeNumber(out, 20, term.magnitude);
        if (term.slash) {
            *out++ = '/';
            out = writeNumber(out, 20, term.denominator);
        }
        if (term.index >= 0) {
            *out++ = '[';
            out = writeNumber(out, 11, term.index);
            *out++ = ']';
        }
    }
    return out;
}

std::size_t lineTextRoom(const SolverLine &line)
{
    return (line.left.size() + line.right.size()) * termTextRoom + 1;
}

char *writeLineText(const SolverLine &line, char *out)
{
    out = writeSide(line.left, out);
    *out++ = '=';
    return writeSide(line.right, out);
}

template <typename Number> Number readDigits(std::string_view text, std::size_t &pos)
{
    Number value = 0;
    const auto [end, error] = std::from_chars(text.data() + pos, text.data() + text.size(), value);
    if (error != std::errc() || end == text.data() + pos)
        throw ConversionError("not a number");
    pos = std::size_t(end - text.data());
    return value;
}

std::vector<SolverTerm> readSide(std::string_view text)
{
    std::vector<SolverTerm> side;
    for (std::size_t pos = 0; pos < text.size();) {
        SolverTerm term;
        if (isSign(text[pos]))
            term.sign = text[pos++];
        if (pos < text.size() && isSign(text[pos])) {
            term.lead = term.sign;
            term.sign = text[pos++];
        }
        if (pos == text.size() || !IsDigit(text[pos]))
            throw ConversionError("not a number");
        term.magnitude = readDigits<std::uint64_t>(text, pos);
        if (pos < text.size() && text[pos] == '/') {
            ++pos;
            term.slash = true;
            if (pos == text.size() || !IsDigit(text[pos]))
                throw ConversionError("not a number");
            term.denominator = readDigits<std::int64_t>(text, pos);
        }
        if (pos < text.size() && text[pos] == '[') {
            ++pos;
            term.index = readDigits<int>(text, pos);
            if (pos == text.size() || text[pos++] != ']')
                throw ConversionError("unclosed term");
        }
        side.push_back(term);
    }
    return side;
}

} // namespace

void FailTermReading(const char *what)
{
    throw ConversionError(what);
}

Fraction ViaText(Fraction value)
{
    constexpr std::int64_t low = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t high = std::numeric_limits<std::int32_t>::max();
    if (value.numerator < low || value.numerator > high || value.denominator < low
        || value.denominator > high)
        throw ConversionError("integer out of range");
    return Reduce(value);
}

std::size_t LinesTextRoom(const std::vector<SolverLine> &lines)
{
    std::size_t room = 0;
    for (const SolverLine &line : lines)
        room += lineTextRoom(line) + 2;
    return room;
}

char *WriteLinesText(const std::vector<SolverLine> &lines, char *out)
{
    for (const SolverLine &line : lines) {
        out = writeLineText(line, out);
        *out++ = '\r';
        *out++ = '\n';
    }
    return out;
}

std::string SolverLineText(const SolverLine &line)
{
    std::string text(lineTextRoom(line), '\0');
    text.resize(std::size_t(writeLineText(line, text.data()) - text.data()));
    return text;
}

SolverLine ReadSolverLine(std::string_view text)
{
    const std::size_t eq = text.find('=');
    if (eq == std::string_view::npos || text.find('=', eq + 1) != std::string_view::npos)
        throw ConversionError("line without =");
    return { readSide(text.substr(0, eq)), readSide(text.substr(eq + 1)) };
}

} // namespace molvane
