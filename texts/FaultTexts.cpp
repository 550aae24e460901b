#include "texts/FaultTexts.h"

#include <algorithm>

namespace molvane {

namespace {

TextId causeText(const ReactionFault &fault)
{
    switch (fault.cause) {
    case FaultCause::UnknownElement:
        return TextId::CauseUnknownElement;
    case FaultCause::OneSideElement:
        return TextId::CauseOneSideElement;
    case FaultCause::NoArrow:
        return TextId::CauseNoArrow;
    case FaultCause::SeveralArrows:
        return TextId::CauseSeveralArrows;
    case FaultCause::UnclosedBracket:
        return TextId::CauseUnclosedBracket;
    case FaultCause::UnopenedBracket:
        return TextId::CauseUnopenedBracket;
    case FaultCause::BadCharacter:
        return TextId::CauseBadCharacter;
    case FaultCause::SeveralReactions:
        return TextId::CauseSeveralReactions;
    case FaultCause::OnlyZero:
        return fault.name.empty() ? TextId::CauseOnlyZero : TextId::CauseElementNotMatched;
    case FaultCause::ChargeNotMatched:
        return TextId::CauseChargeNotMatched;
    case FaultCause::NegativeCoefficient:
        return TextId::CauseNegativeCoefficient;
    case FaultCause::ZeroCoefficient:
        return TextId::CauseZeroCoefficient;
    case FaultCause::None:
        break;
    }
    return TextId::Count;
}

} // namespace

std::string FillIn(std::string_view text, std::initializer_list<std::string_view> values)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t n = i + 1 < text.size() ? std::size_t(text[i + 1] - '1') : values.size();
        if (text[i] == '%' && n < values.size()) {
            out += values.begin()[n];
            ++i;
        } else {
            out.push_back(text[i]);
        }
    }
    return out;
}

std::string FaultText(const ReactionFault &fault, UiLanguage language)
{
    const TextId id = causeText(fault);
    if (id == TextId::Count)
        return {};
    const int where = fault.substance > 0 ? fault.substance : fault.position;
    return FillIn(Text(id, language), { fault.name, std::to_string(where) });
}

std::string MessageWithCause(
    TextId message, const ReactionFault &fault, UiLanguage language, MessagePart part)
{
    std::string text(Text(message, language));
    if (part == MessagePart::FirstLine) {
        text.erase(std::min(text.find('\r'), text.size()));
        while (!text.empty() && text.back() == ' ')
            text.pop_back();
    }
    std::replace(text.begin(), text.end(), '\r', ' ');
    const std::string cause = FaultText(fault, language);
    return cause.empty() ? text : text + ": " + cause;
}

} // namespace molvane
