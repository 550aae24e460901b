#pragma once

namespace molvane::cli {

/// Qt's warnings (a missing XDG_RUNTIME_DIR and the like) are not a command's output: from
/// now on only Qt's critical and fatal messages reach standard error.
void QuietQtWarnings();

} // namespace molvane::cli
