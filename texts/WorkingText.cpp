#include "texts/WorkingText.h"

#include "texts/BidiText.h"
#include "texts/FaultTexts.h"
#include "texts/Texts.h"

namespace molvane {

namespace {

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
        m_lines.push_back(FillIn(Text(id, m_language), values));
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

std::string joined(const std::vector<std::string> &texts, std::string_view separator)
{
    std::string out;
    for (const std::string &text : texts)
        out += (out.empty() ? "" : std::string(separator)) + text;
    return out;
}

void writeStep(Writer &writer, const DerivationStep &step)
{
    const std::string value = writer.run(step.unknown + " = " + step.value);
    switch (step.kind) {
    case DerivationStep::Kind::Fix:
        if (step.equation.text.empty())
            writer.line(TextId::WorkingFix, { value });
        else
            writer.line(TextId::WorkingFixSeed,
                { writer.run(step.equation.row), writer.listed(step.equation), value });
        break;
    case DerivationStep::Kind::Solve:
    case DerivationStep::Kind::BackSubstitute: {
        // A back-substitution's equation is the unknown's own expression, not a row.
        const std::string from = step.kind == DerivationStep::Kind::Solve
            ? writer.listed(step.equation)
            : writer.run(step.equation.text);
        if (step.reduced.text == step.unknown + " = " + step.value
            || step.reduced.text == step.equation.text)
            writer.line(TextId::WorkingSolveDirect, { from, value });
        else
            writer.line(TextId::WorkingSolve, { from, writer.run(step.reduced.text), value });
        break;
    }
    case DerivationStep::Kind::Express:
        writer.line(TextId::WorkingExpress, { writer.listed(step.equation), value });
        for (const DerivationEquation &equation : step.substituted)
            writer.line("  " + writer.listed(equation));
        break;
    }
}

} // namespace

std::string WorkingText(const Derivation &derivation, UiLanguage language)
{
    Writer writer(language);
    writer.line(TextId::WorkingUnknowns, {});
    for (std::size_t s = 0; s < derivation.unknowns.size(); ++s)
        writer.line("  " + writer.run(derivation.unknowns[s] + " = " + derivation.substances[s]));
    writer.line(TextId::WorkingEquations, {});
    for (const DerivationEquation &equation : derivation.equations)
        writer.line("  " + writer.listed(equation));

    switch (derivation.route) {
    case DerivationRoute::NoAnswer: {
        std::string cause = FaultText(derivation.fault, language);
        if (cause.empty())
            cause = MessageWithCause(TextId::CannotBalance, {}, language, MessagePart::FirstLine);
        writer.line(TextId::WorkingNoAnswer, { cause });
        return writer.text();
    }
    case DerivationRoute::ExactFallback:
        writer.line(derivation.fallback == FallbackReason::NoSeed    ? TextId::WorkingNoSeed
                : derivation.fallback == FallbackReason::BeyondRange ? TextId::WorkingBeyondRange
                                                                     : TextId::WorkingUnsettled,
            {});
        break;
    case DerivationRoute::Substitution:
        break;
    }
    for (const DerivationStep &step : derivation.steps)
        writeStep(writer, step);
    if (derivation.workingOutOfRange)
        writer.line(TextId::WorkingOutOfRange, {});
    if (!derivation.fractions.empty()) {
        std::vector<std::string> runs;
        for (const std::string &fraction : derivation.fractions)
            runs.push_back(writer.run(fraction));
        writer.line(TextId::WorkingFractions, { joined(runs, ", ") });
    }
    if (!derivation.multiplier.empty())
        writer.line(TextId::WorkingMultiply, { writer.run(derivation.multiplier) });
    if (!derivation.divisor.empty())
        writer.line(TextId::WorkingDivide, { writer.run(derivation.divisor) });
    writer.line(TextId::WorkingCoefficients, { writer.run(joined(derivation.coefficients, ", ")) });
    return writer.text();
}

} // namespace molvane
