#include "texts/WorkingText.h"

#include "core/Errors.h"
#include "core/OxidationNumbers.h"
#include "texts/FaultTexts.h"
#include "texts/Texts.h"
#include "texts/WorkingWriter.h"

#include <algorithm>

namespace molvane {

std::string_view ListSeparator(UiLanguage language)
{
    return language == UiLanguage::Farsi ? "\u060C " : ", ";
}

std::string Joined(const std::vector<std::string> &texts, std::string_view separator)
{
    std::string out;
    for (const std::string &text : texts)
        out += (out.empty() ? "" : std::string(separator)) + text;
    return out;
}

namespace {

// " (K +1, Mn +7, O -2)" after a substance; nothing for the electron or an unreadable one.
std::string withOxidationNumbers(const std::string &substance, UiLanguage language)
{
    try {
        const std::string numbers = OxidationListText(
            OxidationNumbers(ReadSubstance(substance)), ListSeparator(language));
        return numbers.empty() ? std::string() : " (" + numbers + ")";
    } catch (const InvalidReaction &) {
        return {};
    }
}

// "from gives written, that is simplified, so value", shortened where two of them agree.
void writeSolve(Writer &writer, const std::string &from, const DerivationStep &step)
{
    const std::string valueText = step.unknown + " = " + step.value;
    const std::string value = writer.run(valueText);
    const std::string &written = step.reduced.written.text;
    const std::string &simplified = step.reduced.simplified;
    if (written == valueText || simplified == step.equation.text)
        writer.line(TextId::WorkingSolveDirect, { from, value });
    else if (written == simplified || simplified == valueText)
        writer.line(TextId::WorkingSolveSimplified, { from, writer.run(written), value });
    else
        writer.line(
            TextId::WorkingSolve, { from, writer.run(written), writer.run(simplified), value });
}

void writeStep(Writer &writer, const DerivationStep &step)
{
    const std::string value = writer.run(step.unknown + " = " + step.value);
    switch (step.kind) {
    case DerivationStep::Kind::Start:
        writer.line(TextId::WorkingStart, { value, writer.run(step.substance) });
        break;
    case DerivationStep::Kind::Solve:
        writeSolve(writer, writer.listed(step.equation), step);
        break;
    case DerivationStep::Kind::BackSubstitute:
        // Its equation is the unknown's own expression, not a row.
        writeSolve(writer, writer.run(step.equation.text), step);
        break;
    case DerivationStep::Kind::Express:
        if (step.reduced.simplified == step.equation.text)
            writer.line(TextId::WorkingExpressDirect, { writer.listed(step.equation), value });
        else
            writer.line(TextId::WorkingExpress,
                { writer.listed(step.equation), writer.run(step.reduced.simplified), value });
        for (const DerivationRewrite &rewrite : step.substituted) {
            const std::string written = writer.listed(rewrite.written);
            writer.line("  "
                + (rewrite.simplified == rewrite.written.text
                        ? written
                        : writer.fill(
                            TextId::WorkingRewrite, { written, writer.run(rewrite.simplified) })));
        }
        break;
    }
}

void writeEnd(Writer &writer, const Derivation &derivation, UiLanguage language)
{
    const std::string_view separator = ListSeparator(language);
    if (derivation.workingOutOfRange)
        writer.line(TextId::WorkingOutOfRange, {});
    if (!derivation.fractions.empty()) {
        std::vector<std::string> runs;
        for (const std::string &fraction : derivation.fractions)
            runs.push_back(writer.run(fraction));
        writer.line(TextId::WorkingFractions, { Joined(runs, separator) });
    }
    if (!derivation.multiplier.empty())
        writer.line(TextId::WorkingMultiply, { writer.run(derivation.multiplier) });
    std::vector<std::string> coefficients;
    for (const std::string &coefficient : derivation.coefficients)
        coefficients.push_back(writer.run(coefficient));
    writer.line(TextId::WorkingCoefficients, { Joined(coefficients, separator) });
    std::vector<std::string> rows;
    for (const DerivationEquation &row : derivation.check)
        rows.push_back(writer.listed(row));
    if (!rows.empty())
        writer.line(TextId::WorkingCheck, { Joined(rows, separator) });
}

} // namespace

std::string WorkingText(const Derivation &derivation, UiLanguage language)
{
    Writer writer(language);
    writer.line(TextId::WorkingUnknowns, {});
    for (std::size_t s = 0; s < derivation.unknowns.size(); ++s)
        writer.line("  "
            + writer.run(derivation.unknowns[s] + " = " + derivation.substances[s]
                + withOxidationNumbers(derivation.substances[s], language)));
    const bool charge = std::any_of(derivation.equations.begin(), derivation.equations.end(),
        [](const DerivationEquation &equation) { return equation.row.empty(); });
    writer.line(charge ? TextId::WorkingEquationsWithCharge : TextId::WorkingEquations, {});
    for (const DerivationEquation &equation : derivation.equations)
        writer.line("  " + writer.listed(equation));

    if (derivation.noAnswer) {
        std::string cause = FaultText(derivation.fault, language);
        if (cause.empty())
            cause = MessageWithCause(TextId::CannotBalance, {}, language, MessagePart::FirstLine);
        writer.line(TextId::WorkingNoAnswer, { cause });
        return writer.text();
    }
    for (const DerivationStep &step : derivation.steps)
        writeStep(writer, step);
    writeEnd(writer, derivation, language);
    return writer.text();
}

std::string ReactionWorkingText(std::string_view normalisedReaction, UiLanguage language)
{
    try {
        return WorkingText(DeriveBalance(normalisedReaction), language);
    } catch (const InvalidReaction &e) {
        return MessageWithCause(TextId::InvalidReaction, e.fault(), language, MessagePart::Whole);
    }
}

} // namespace molvane
