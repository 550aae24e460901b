#pragma once

#include "core/Redox.h"
#include "texts/InterfaceLanguage.h"

#include <string>
#include <string_view>

namespace molvane {

/// The redox working as plain text in @p language: the oxidation numbers, what is oxidised
/// and reduced, and the half-reactions or the changes per formula unit, checked against
/// Balance's answer.
std::string RedoxText(const RedoxWorking &working, UiLanguage language);

/// The redox working of @p normalisedReaction, or why there is none, as the status bar says it.
std::string ReactionRedoxText(std::string_view normalisedReaction, UiLanguage language,
    RedoxMedium medium = RedoxMedium::FromSpecies);

} // namespace molvane
