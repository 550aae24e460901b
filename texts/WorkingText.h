#pragma once

#include "core/Derivation.h"
#include "texts/InterfaceLanguage.h"

#include <string>

namespace molvane {

/// The derivation as plain text in @p language, one step a line: the unknowns, the equations,
/// the steps and the coefficients. In Farsi every line reads from the right and each formula
/// and equation stays a left-to-right run.
std::string WorkingText(const Derivation &derivation, UiLanguage language);

} // namespace molvane
