#pragma once

#include "core/ReactionFault.h"
#include "texts/Texts.h"

#include <initializer_list>
#include <string>

namespace molvane {

/// The cause of a failure in @p language: "unknown element "Xx" in substance 1"; empty when
/// the fault names none.
std::string FaultText(const ReactionFault &fault, UiLanguage language);

/// How much of a message stands before its cause.
enum class MessagePart { Whole, FirstLine };

/// A message on one line (its line breaks as blanks, or only its first line), then ": " and
/// the cause when there is one: "Invalid reaction: no arrow between the reactants and the
/// products".
std::string MessageWithCause(
    TextId message, const ReactionFault &fault, UiLanguage language, MessagePart part);

/// A message on one line, then its cause in brackets when there is one, as molvane-cli writes
/// it: "Invalid reaction (no arrow between the reactants and the products)".
std::string CommandLineMessage(TextId message, const ReactionFault &fault, UiLanguage language);

/// A message box's text: the message, then its cause on a line of its own ("\r" parts lines).
std::string MessageBoxText(TextId message, const ReactionFault &fault, UiLanguage language);

/// A text with "%1", "%2", ... replaced by the first, second, ... of @p values.
std::string FillIn(std::string_view text, std::initializer_list<std::string_view> values);

} // namespace molvane
