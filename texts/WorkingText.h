#pragma once

#include "core/Derivation.h"
#include "texts/InterfaceLanguage.h"

#include <string>
#include <string_view>

namespace molvane {

/// The derivation as plain text in @p language, one step a line: the unknowns with the
/// oxidation numbers of their substances, the equations, the steps, the coefficients and the
/// check. In Farsi every line reads from the right and each formula
/// and equation stays a left-to-right run.
std::string WorkingText(const Derivation &derivation, UiLanguage language);

/// The working of @p normalisedReaction, a text as Balance reads it, or for a text outside the
/// grammar why there is none, as the status bar says it.
std::string ReactionWorkingText(std::string_view normalisedReaction, UiLanguage language);

} // namespace molvane
