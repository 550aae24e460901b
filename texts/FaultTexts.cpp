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
        if (fault.name.find(',') != std::string::npos)
            return TextId::CauseElementsNotMatched;
        return fault.name.empty() ? TextId::CauseOnlyZero : TextId::CauseElementNotMatched;
    case FaultCause::ChargeNotMatched:
        return TextId::CauseChargeNotMatched;
    case FaultCause::NegativeCoefficient:
        return fault.name.empty() ? TextId::CauseNegativeCoefficient
                                  : TextId::CauseNegativeCoefficients;
    case FaultCause::ZeroCoefficient:
        return fault.name.empty() ? TextId::CauseZeroCoefficient : TextId::CauseZeroCoefficients;
    case FaultCause::EmptyReaction:
        return TextId::CauseEmptyReaction;
    case FaultCause::EmptySubstance:
        return TextId::CauseEmptySubstance;
    case FaultCause::BadCharge:
        return TextId::CauseBadCharge;
    case FaultCause::ChargeNotLast:
        return TextId::CauseChargeNotLast;
    case FaultCause::EmptyPart:
        return TextId::CauseEmptyPart;
    case FaultCause::ZeroCount:
        return TextId::CauseZeroCount;
    case FaultCause::OutOfRange:
        return TextId::CauseOutOfRange;
    case FaultCause::MisplacedSign:
        return TextId::CauseMisplacedSign;
    case FaultCause::AmbiguousCharge:
        return TextId::CauseAmbiguousCharge;
    case FaultCause::MalformedSubstance:
        return TextId::CauseMalformedSubstance;
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
    std::string name = fault.name; // a set of rows names the charge as "{}"
    if (const std::size_t charge = name.find("{}");
        fault.cause == FaultCause::OnlyZero && charge != std::string::npos)
        name.replace(charge, 2, Text(TextId::ChargeWord, language));
    return FillIn(Text(id, language), { name, std::to_string(where), fault.other });
}

namespace {

// The message's own text on one line, line breaks as blanks.
std::string oneLine(TextId message, UiLanguage language)
{
    std::string text(Text(message, language));
    std::replace(text.begin(), text.end(), '\r', ' ');
    return text;
}

} // namespace

std::string CommandLineMessage(TextId message, const ReactionFault &fault, UiLanguage language)
{
    const std::string cause = FaultText(fault, language);
    const std::string text = oneLine(message, language);
    return cause.empty() ? text : text + " (" + cause + ")";
}

std::string MessageBoxText(TextId message, const ReactionFault &fault, UiLanguage language)
{
    const std::string cause = FaultText(fault, language);
    const std::string text(Text(message, language));
    return cause.empty() ? text : text + "\r" + cause;
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
