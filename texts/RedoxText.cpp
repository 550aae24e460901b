#include "texts/RedoxText.h"

#include "core/Errors.h"
#include "texts/WorkingWriter.h"

namespace molvane {

namespace {

void writeNumbers(Writer &writer, const RedoxWorking &working, UiLanguage language)
{
    writer.line(TextId::RedoxNumbers, {});
    for (std::size_t s = 0; s < working.substances.size(); ++s)
        if (!working.numbers[s].empty())
            writer.line("  "
                + writer.run(working.substances[s] + ": "
                    + OxidationListText(working.numbers[s], ListSeparator(language))));
}

void writeChanges(Writer &writer, const RedoxWorking &working)
{
    for (const RedoxChange &c : working.changes)
        writer.line(c.oxidised ? TextId::RedoxOxidised : TextId::RedoxReduced,
            { writer.run(c.element), writer.run(OxidationText(c.from)),
                writer.run(OxidationText(c.to)), writer.run(c.reactant), writer.run(c.product) });
}

void writeHalf(Writer &writer, const HalfReaction &half, const std::string &reactant)
{
    writer.line(half.oxidation ? TextId::RedoxOxidationHalf : TextId::RedoxReductionHalf,
        { writer.run(reactant) });
    const auto step = [&](TextId id, std::initializer_list<std::string_view> values) {
        writer.line("  " + writer.fill(id, values));
    };
    step(TextId::RedoxSkeleton, { writer.run(half.skeleton) });
    step(TextId::RedoxForElement, { writer.run(half.element), writer.run(half.forElement) });
    step(TextId::RedoxForOxygen, { writer.run("H2O"), writer.run(half.forOxygen) });
    step(TextId::RedoxForHydrogen, { writer.run("H{+}"), writer.run(half.forHydrogen) });
    step(TextId::RedoxForCharge, { writer.run("e{-}"), writer.run(half.forCharge) });
    if (!half.inBase.empty())
        step(TextId::RedoxInBase,
            { writer.run("OH{-}"), writer.run("H{+}"), writer.run(half.inBase) });
}

void writeHalves(Writer &writer, const RedoxWorking &working)
{
    if (working.medium == RedoxMedium::Base)
        writer.line(TextId::RedoxBase, { writer.run("H{+}"), writer.run("OH{-}") });
    else
        writer.line(TextId::RedoxAcid, { writer.run("H{+}") });
    std::size_t h = 0;
    for (const bool oxidised : { true, false })
        for (const RedoxChange &c : working.changes)
            if (c.oxidised == oxidised && h < working.halves.size())
                writeHalf(writer, working.halves[h++], c.reactant);
    writer.line(TextId::RedoxEqualElectrons,
        { writer.run(std::to_string(working.halves[0].multiplier)),
            writer.run(std::to_string(working.halves[1].multiplier)) });
    writer.line(TextId::RedoxSum, { writer.run(working.sum) });
    writer.line(TextId::RedoxCancelled, { writer.run(working.result) });
}

void writeTransfers(Writer &writer, const RedoxWorking &working)
{
    for (const ElectronTransfer &t : working.transfers)
        writer.line(t.oxidised ? TextId::RedoxLoses : TextId::RedoxGains,
            { writer.run(t.substance), writer.run(std::to_string(t.electrons)) });
    const std::int64_t lcm = working.transfers[0].coefficient * working.transfers[0].electrons;
    writer.line(TextId::RedoxLcm,
        { writer.run(std::to_string(lcm)), writer.run(working.transfers[0].substance),
            writer.run(std::to_string(working.transfers[0].coefficient)),
            writer.run(working.transfers[1].substance),
            writer.run(std::to_string(working.transfers[1].coefficient)) });
    writer.line(TextId::RedoxInspection, { writer.run(working.balanced) });
}

void writeNotApplicable(Writer &writer, const RedoxWorking &working)
{
    switch (working.reason) {
    case RedoxWorking::Reason::CannotAssign:
        writer.line(TextId::RedoxCannotAssign, { writer.run(working.substance) });
        break;
    case RedoxWorking::Reason::MixedStates:
        writer.line(TextId::RedoxMixedStates, { writer.run(working.substance) });
        break;
    case RedoxWorking::Reason::OneSideOnly:
        writer.line(TextId::RedoxOneSide, {});
        break;
    case RedoxWorking::Reason::SeveralTransfers:
        writer.line(TextId::RedoxSeveral, {});
        break;
    case RedoxWorking::Reason::Unbalanced:
        writer.line(TextId::RedoxDiffers, { writer.run(working.balanced) });
        break;
    case RedoxWorking::Reason::None:
        break;
    }
}

} // namespace

std::string RedoxText(const RedoxWorking &working, UiLanguage language)
{
    Writer writer(language);
    writeNumbers(writer, working, language);
    switch (working.method) {
    case RedoxWorking::Method::NoChange:
        writer.line(TextId::RedoxNoChange, {});
        break;
    case RedoxWorking::Method::NotApplicable:
        writeChanges(writer, working);
        writeNotApplicable(writer, working);
        break;
    case RedoxWorking::Method::HalfReactions:
        writeChanges(writer, working);
        writeHalves(writer, working);
        writer.line(TextId::RedoxAgrees, { writer.run(working.balanced) });
        break;
    case RedoxWorking::Method::OxidationNumbers:
        writeChanges(writer, working);
        writeTransfers(writer, working);
        break;
    }
    return writer.text();
}

std::string ReactionRedoxText(
    std::string_view normalisedReaction, UiLanguage language, RedoxMedium medium)
{
    try {
        return RedoxText(WorkRedox(normalisedReaction, medium), language);
    } catch (const InvalidReaction &e) {
        return MessageWithCause(TextId::InvalidReaction, e.fault(), language, MessagePart::Whole);
    } catch (const CannotBalance &e) {
        return MessageWithCause(TextId::CannotBalance, e.fault(), language, MessagePart::Whole);
    }
}

} // namespace molvane
