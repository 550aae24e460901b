// Today's text solver, kept verbatim as part of the reference Balance path.
#include "BalanceReference.h"

#include "core/Errors.h"
#include "core/Fraction.h"
#include "core/ReactionCharacters.h"

#include <algorithm>
#include <charconv>
#include <numeric>
#include <optional>
#include <string_view>

namespace molvane::reference {

namespace {

bool isSign(char c)
{
    return c == '+' || c == '-';
}

bool isZero(Fraction f)
{
    return f.numerator == 0;
}

// Start of the term whose "[" stands at @p open: back over digits and "/", then one sign.
std::size_t termStart(std::string_view text, std::size_t open)
{
    std::size_t start = open;
    while (start > 0 && (IsDigit(text[start - 1]) || text[start - 1] == '/'))
        --start;
    if (start > 0 && isSign(text[start - 1]))
        --start;
    return start;
}

// The substance index between the "[" at @p open and the next "]".
int readIndex(std::string_view text, std::size_t open, int substanceCount, std::size_t &close)
{
    close = text.find(']', open);
    if (close == std::string_view::npos)
        throw ConversionError("unclosed term");
    const int index = ParseInt32(text.substr(open + 1, close - open - 1));
    if (index < 0 || index >= substanceCount)
        throw ConversionError("index out of range");
    return index;
}

std::string bracketed(int index)
{
    char buffer[16] = "[";
    char *end = std::to_chars(buffer + 1, buffer + sizeof buffer - 1, index).ptr;
    *end++ = ']';
    return std::string(buffer, end);
}

std::string flipSign(std::string_view term)
{
    if (!term.empty() && term[0] == '-')
        return "+" + std::string(term.substr(1));
    if (!term.empty() && term[0] == '+')
        return "-" + std::string(term.substr(1));
    return "-" + std::string(term);
}

// A sum of constant terms ("6+4", "-10/1", "+-2"); an empty side is zero.
Fraction sideValue(std::string_view side)
{
    Fraction sum { 0, 1 };
    std::size_t pos = 0;
    while (pos < side.size()) {
        bool negative = false;
        for (; pos < side.size() && isSign(side[pos]); ++pos)
            negative ^= side[pos] == '-';
        const std::size_t start = pos;
        while (pos < side.size() && (IsDigit(side[pos]) || side[pos] == '/'))
            ++pos;
        Fraction term = FromText(side.substr(start, pos - start));
        if (negative)
            term = Multiply(term, FromInteger(-1));
        sum = Add(sum, term);
    }
    return sum;
}

bool sameValue(Fraction a, Fraction b)
{
    return __int128(a.numerator) * b.denominator == __int128(b.numerator) * a.denominator;
}

std::string listText(const std::vector<std::string> &lines)
{
    std::size_t size = 0;
    for (const std::string &line : lines)
        size += line.size() + 2;
    std::string text;
    text.reserve(size);
    for (const std::string &line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

// Step A: known values replace their terms; lines left without variables go, and each of
// them must hold, or the reaction has no answer.
bool substituteKnownValues(
    std::vector<std::string> &lines, const ResultList &results, std::vector<int> *lineRows)
{
    for (std::size_t k = 0; k < results.size(); ++k) {
        if (results[k].empty())
            continue;
        const Fraction value = FromText(results[k]);
        const std::string key = bracketed(int(k));
        for (std::string &line : lines) {
            for (std::size_t pos = line.find(key); pos != std::string::npos; pos = line.find(key)) {
                std::size_t start = pos;
                while (start > 0 && (IsDigit(line[start - 1]) || line[start - 1] == '/'))
                    --start;
                const Fraction product
                    = Multiply(FromText(std::string_view(line).substr(start, pos - start)), value);
                line.replace(start, pos + key.size() - start,
                    product.denominator == 1 ? std::to_string(product.numerator) : ToText(product));
            }
        }
    }
    if (lineRows) {
        std::size_t kept = 0;
        for (std::size_t i = 0; i < lines.size(); ++i)
            if (lines[i].find('[') != std::string::npos)
                (*lineRows)[kept++] = (*lineRows)[i];
        lineRows->resize(kept);
    }
    bool consistent = true;
    std::erase_if(lines, [&](const std::string &line) {
        if (line.find('[') != std::string::npos)
            return false;
        const std::size_t eq = line.find('=');
        if (eq == std::string::npos)
            throw ConversionError("line without =");
        const std::string_view text(line);
        consistent = consistent
            && sameValue(sideValue(text.substr(0, eq)), sideValue(text.substr(eq + 1)));
        return true;
    });
    return consistent;
}

// Step B: all variable terms move right, all constants left, into K=terms.
void normaliseLine(std::string &line)
{
    const std::size_t eq = line.find('=');
    if (eq == std::string::npos)
        throw ConversionError("line without =");
    std::string left = eq == 0 ? "0" : line.substr(0, eq);
    std::string right = line.substr(eq + 1);

    for (std::size_t close = left.find(']'); close != std::string::npos; close = left.find(']')) {
        const std::size_t open = left.rfind('[', close);
        const std::size_t start = termStart(left, open == std::string::npos ? close : open);
        std::string term = left.substr(start, close + 1 - start);
        left.erase(start, close + 1 - start);
        if (left.empty())
            left = "0";
        right += flipSign(term);
    }

    std::size_t pending = std::string::npos; // start of the text since the last "]"
    for (std::size_t i = 0; i < right.size();) {
        const char c = right[i];
        if (c == ']') {
            pending = std::string::npos;
            ++i;
            continue;
        }
        if (isSign(c) && pending != std::string::npos) {
            const std::string term = right.substr(pending, i - pending);
            right.erase(pending, i - pending);
            left = ToText(Add(FromText(left), FromText(flipSign(term))));
            i = pending; // the sign that ended the constant starts the next pending text
            pending = std::string::npos;
            continue;
        }
        if (pending == std::string::npos)
            pending = i;
        if (i + 1 == right.size()) {
            const std::string term = right.substr(pending);
            right.erase(pending);
            left = ToText(Add(FromText(left), FromText(flipSign(term))));
            break;
        }
        ++i;
    }
    line = left + "=" + right;
}

// Step C: repeated variables of a line become one term at its end.
void mergeRepeatedVariables(std::string &line, int substanceCount)
{
    std::vector<int> occurrences(substanceCount, 0);
    for (std::size_t open = line.find('['); open != std::string::npos;
         open = line.find('[', open + 1)) {
        std::size_t close;
        ++occurrences[readIndex(line, open, substanceCount, close)];
    }
    for (int k = 0; k < substanceCount; ++k) {
        if (occurrences[k] < 2)
            continue;
        const std::string key = bracketed(k);
        Fraction sum { 0, 1 };
        for (std::size_t pos = line.find(key); pos != std::string::npos; pos = line.find(key)) {
            const std::size_t start = termStart(line, pos);
            std::string coefficient = line.substr(start, pos - start);
            sum = Add(sum, FromText(coefficient));
            line.erase(start, pos + key.size() - start);
        }
        const std::string text = ToText(sum);
        if (text[0] != '-')
            line += '+';
        line += text;
        line += key;
    }
}

// Step D: a line with one variable term gives that variable's value; returns its index, or -1.
int solveSingleVariable(std::string &line, ResultList &results, int substanceCount)
{
    const std::size_t eq = line.find('=');
    const std::string_view right = std::string_view(line).substr(eq + 1);
    if (right.find("]+") != std::string_view::npos || right.find("]-") != std::string_view::npos)
        return -1;
    std::size_t open = 0;
    while (
        open < right.size() && (isSign(right[open]) || IsDigit(right[open]) || right[open] == '/'))
        ++open;
    if (open == right.size() || right[open] != '[')
        throw ConversionError("malformed term");
    std::size_t close;
    const int k = readIndex(right, open, substanceCount, close);
    const Fraction f = FromText(right.substr(0, open));
    if (isZero(f)) {
        line = "0=0";
        return -1;
    }
    results[k] = ToText(Multiply(FromText(std::string_view(line).substr(0, eq)), Reciprocal(f)));
    return k;
}

struct Pivot
{
    std::size_t start, end; // the term's text within the line
    int index;
    std::string coefficient; // signed, as written
};

// The first variable term with a non-zero coefficient; a zero one cannot be divided by.
std::optional<Pivot> findPivot(std::string_view line, int substanceCount)
{
    for (std::size_t open = line.find('['); open != std::string_view::npos;
         open = line.find('[', open + 1)) {
        std::size_t close;
        const int index = readIndex(line, open, substanceCount, close);
        const std::size_t start = termStart(line, open);
        const std::string coefficient(line.substr(start, open - start));
        if (!isZero(FromText(coefficient)))
            return Pivot { start, close + 1, index, coefficient };
    }
    return std::nullopt;
}

// Re-read as the text would be, so a value beyond 32 bits fails here as it would there.
Fraction viaText(Fraction f)
{
    return FromText(ToText(f));
}

// Step F: solve the first line for its pivot and substitute it into the others; returns the
// pivot's index, or -1 when the line has none.
int eliminateVariable(std::vector<std::string> &lines, int n)
{
    const std::string first = lines.front();
    lines.erase(lines.begin());
    const std::optional<Pivot> pivot = findPivot(first, n);
    if (pivot) {
        std::string line = first;
        line.erase(pivot->start, pivot->end - pivot->start);
        const std::size_t eq = line.find('=');
        const std::string_view rest = std::string_view(line).substr(eq + 1);

        // E[i] for the variable terms left, E[n] for the constant (-K).
        std::vector<std::optional<Fraction>> table(n + 1);
        for (std::size_t open = rest.find('['); open != std::string_view::npos;
             open = rest.find('[', open + 1)) {
            std::size_t close;
            const int index = readIndex(rest, open, n, close);
            const std::size_t start = termStart(rest, open);
            table[index] = viaText(FromText(rest.substr(start, open - start)));
        }
        table[n] = viaText(FromText(flipSign(std::string_view(line).substr(0, eq))));

        const Fraction divisor = Reciprocal(FromText(flipSign(pivot->coefficient)));
        const std::string key = bracketed(pivot->index);
        for (std::string &other : lines) {
            for (std::size_t pos = other.find(key); pos != std::string::npos;
                 pos = other.find(key)) {
                const std::size_t start = termStart(other, pos);
                const Fraction m = Multiply(
                    FromText(std::string_view(other).substr(start, pos - start)), divisor);
                std::string replacement;
                for (int i = 0; i <= n; ++i) {
                    if (!table[i])
                        continue;
                    const std::string term = ToText(Multiply(m, *table[i]));
                    if (term[0] != '-')
                        replacement += '+';
                    replacement += term;
                    if (i < n)
                        replacement += bracketed(i);
                }
                other.replace(start, pos + key.size() - start, replacement);
            }
        }
    }
    lines.push_back(first);
    return pivot ? pivot->index : -1;
}

// The comma-separated fields of all count vector texts, in one block.
class CountFields
{
public:
    explicit CountFields(const std::vector<std::string> &countVectors)
    {
        for (const std::string &vector : countVectors)
            m_width
                = std::max<std::size_t>(m_width, std::count(vector.begin(), vector.end(), ',') + 1);
        m_fields.reserve(m_width * countVectors.size());
        for (const std::string &vector : countVectors) {
            std::string_view rest(vector);
            std::size_t count = 1;
            for (std::size_t comma; (comma = rest.find(',')) != std::string_view::npos; ++count) {
                m_fields.push_back(rest.substr(0, comma));
                rest.remove_prefix(comma + 1);
            }
            m_fields.push_back(rest);
            for (; count < m_width; ++count) // a short vector reads as zeros
                m_fields.emplace_back("0");
        }
    }

    /// Field @p element of substance @p substance; "0" beyond a vector's end.
    std::string_view at(std::size_t substance, std::size_t element) const
    {
        const std::size_t index = substance * m_width + element;
        return element < m_width && index < m_fields.size() ? m_fields[index] : "0";
    }

private:
    std::vector<std::string_view> m_fields;
    std::size_t m_width = 0;
};

// The seed: the first element found in exactly two substances fixes the scale.
bool seedResults(const std::vector<std::string> &countVectors,
    const std::vector<std::string> &lines, ResultList &results, int n, SolverRecord *record)
{
    const CountFields fields(countVectors);
    for (std::size_t e = 0; e < lines.size(); ++e) {
        int present = 0;
        for (std::size_t k = 0; k < countVectors.size(); ++k)
            present += fields.at(k, e) != "0";
        if (present != 2)
            continue;
        const std::string_view line(lines[e]);
        const std::size_t open1 = line.find('[');
        if (open1 == std::string_view::npos)
            throw ConversionError("seed line without variable");
        std::size_t close1;
        const int i = readIndex(line, open1, n, close1);
        const std::int32_t a = ParseInt32(line.substr(0, open1));
        const std::size_t eq = line.find('=');
        const std::size_t open2 = eq == std::string_view::npos ? eq : line.find('[', eq);
        if (open2 == std::string_view::npos)
            throw ConversionError("seed line of the wrong shape");
        std::size_t close2;
        const int j = readIndex(line, open2, n, close2);
        const std::int32_t b = ParseInt32(line.substr(eq + 1, open2 - eq - 1));
        results[i] = std::to_string(b);
        results[j] = std::to_string(a);
        if (record) {
            record->steps.push_back({ SolverStep::Kind::Found, i, int(e) });
            record->steps.push_back({ SolverStep::Kind::Found, j, int(e) });
        }
        return true;
    }
    return false;
}

} // namespace

std::vector<std::string> BuildEquations(const std::vector<std::string> &elements,
    const std::vector<std::string> &countVectors, int reactantCount)
{
    const CountFields fields(countVectors);
    std::vector<std::string> lines;
    lines.reserve(elements.size());
    for (std::size_t e = 0; e < elements.size(); ++e) {
        std::string line;
        for (std::size_t k = 0; k < countVectors.size(); ++k) {
            const std::string_view u = fields.at(k, e);
            if (u != "0") {
                if (!line.empty() && line.back() != '=' && !u.empty() && !isSign(u[0]))
                    line += '+';
                line += u;
                line += bracketed(int(k));
            }
            if (int(k) == reactantCount - 1)
                line += '=';
        }
        if (!line.empty() && line.back() == '=')
            line += '0';
        lines.push_back(std::move(line));
    }
    return lines;
}

bool SolverPass(
    std::vector<std::string> &lines, ResultList &results, int substanceCount, SolverRecord *record)
{
    if (!substituteKnownValues(lines, results, record ? &record->lineRows : nullptr))
        return false;
    for (std::string &line : lines)
        normaliseLine(line);
    for (std::string &line : lines)
        mergeRepeatedVariables(line, substanceCount);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int found = solveSingleVariable(lines[i], results, substanceCount);
        if (record && found >= 0)
            record->steps.push_back({ SolverStep::Kind::Found, found, record->lineRows[i] });
    }
    if (lines.empty())
        return true;
    for (const std::string &line : lines) {
        const std::size_t first = line.find('[');
        if (first == std::string::npos || line.find('[', first + 1) == std::string::npos)
            return true;
    }
    const int eliminated = eliminateVariable(lines, substanceCount);
    if (record) {
        if (eliminated >= 0)
            record->steps.push_back(
                { SolverStep::Kind::Eliminated, eliminated, record->lineRows.front() });
        std::rotate(record->lineRows.begin(), record->lineRows.begin() + 1, record->lineRows.end());
    }
    return true;
}

bool SolveCoefficients(const std::vector<std::string> &countVectors,
    const std::vector<std::string> &lines, int substanceCount, ResultList &results,
    const MillisecondClock &clock, SolverRecord *record)
{
    results.assign(substanceCount, std::string());
    if (record) {
        record->steps.clear();
        record->lineRows.resize(lines.size());
        std::iota(record->lineRows.begin(), record->lineRows.end(), 0);
    }
    if (!seedResults(countVectors, lines, results, substanceCount, record))
        return false;

    std::vector<std::string> working = lines;
    std::string history = listText(working);
    const std::size_t initialCount = working.size();
    const std::int64_t start = clock();
    for (std::string text = history; !text.empty();) {
        if (!SolverPass(working, results, substanceCount, record))
            return false;
        text = listText(working);
        if (!text.empty() && history.find(text) != std::string::npos)
            return false;
        if (clock() - start > SolverTimeLimitMs)
            return false;
        // Once a line is gone only the previous pass is kept; the time limit catches the rest.
        if (working.size() < initialCount)
            history.clear();
        history += text;
    }
    return true;
}

ResultList IntegerCoefficients(const ResultList &results)
{
    std::vector<Fraction> values;
    values.reserve(results.size());
    std::int64_t common = 1;
    for (const std::string &text : results) {
        if (text.empty())
            throw ConversionError("substance without a value");
        values.push_back(FromText(text));
        const std::int64_t d = values.back().denominator;
        if (d <= 0)
            throw ConversionError("value without a denominator");
        common = Multiply(FromInteger(common / Gcd(common, d)), FromInteger(d)).numerator;
    }

    ResultList whole;
    whole.reserve(values.size());
    std::int32_t g = 0;
    for (std::size_t i = 0; i < values.size(); ++i) {
        const std::int32_t value
            = ParseInt32(std::to_string(Multiply(values[i], FromInteger(common)).numerator));
        whole.push_back(std::to_string(value));
        g = i == 0 ? value : std::int32_t(Gcd(value, g));
    }
    if (g != 1 && g != 0) {
        for (std::string &text : whole)
            text = std::to_string(ParseInt32(text) / g);
    }
    return whole;
}

} // namespace molvane::reference
