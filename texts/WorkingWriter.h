#pragma once

#include "core/Derivation.h"
#include "texts/BidiText.h"
#include "texts/FaultTexts.h"
#include "texts/Texts.h"

#include <string>
#include <string_view>
#include <vector>

namespace molvane {

/// The lines of a working in one language: formulas and equations stay left-to-right runs in a
/// Farsi line, whose lines read from the right.
class Writer
{
public:
    explicit Writer(UiLanguage language)
        : m_language(language)
    { }

    // Formulas and equations: left to right inside a Farsi line.
    std::string run(std::string_view text) const
    {
        return m_language == UiLanguage::Farsi ? LeftToRightRun(text) : std::string(text);
    }

    // An equation in the list, its row named; the charge's in the reader's language.
    std::string listed(const DerivationEquation &equation) const
    {
        if (equation.row.empty())
            return std::string(Text(TextId::WorkingChargeRow, m_language)) + ": "
                + run(equation.text);
        return run(equation.row + ": " + equation.text);
    }

    void line(std::string text) { m_lines.push_back(std::move(text)); }

    void line(TextId id, std::initializer_list<std::string_view> values)
    {
        m_lines.push_back(fill(id, values));
    }

    std::string fill(TextId id, std::initializer_list<std::string_view> values) const
    {
        return FillIn(Text(id, m_language), values);
    }

    std::string text() const
    {
        std::string out;
        for (const std::string &line : m_lines)
            out += (out.empty() ? "" : "\n") + line;
        return (m_language == UiLanguage::Farsi ? RightToLeftLines(out) : out) + "\n";
    }

private:
    UiLanguage m_language;
    std::vector<std::string> m_lines;
};

/// The separator of a list in @p language: the Arabic comma in Farsi.
std::string_view ListSeparator(UiLanguage language);

/// @p texts joined by @p separator.
std::string Joined(const std::vector<std::string> &texts, std::string_view separator);

} // namespace molvane
