#pragma once

#include <string_view>

namespace molvane {

/// The program's version, as the build sets it: "MAJOR.MINOR.PATCH".
inline constexpr std::string_view ProgramVersion = MOLVANE_VERSION;

} // namespace molvane
