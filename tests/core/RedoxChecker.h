#pragma once

#include "core/Redox.h"

#include <string>

namespace molvane {

/// What is wrong with a redox working, empty when nothing: each half-reaction conserves atoms
/// and charge at every step, the electrons of the halves cancel, the cancelled sum is
/// Balance's answer and the oxidation-number method's ratio is Balance's.
std::string RedoxFault(const RedoxWorking &working);

} // namespace molvane
