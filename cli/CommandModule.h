#pragma once

#include <iosfwd>

namespace molvane::cli {

/// The commands that need Qt live in modules loaded when one of them runs, so that balance,
/// weight and eval start without Qt: the document commands need QtCore, and bmp alone QtGui.
inline constexpr const char *DocumentModuleName = "molvane-cli-documents.so";
inline constexpr const char *PictureModuleName = "molvane-cli-bmp.so";

/// A module's entry point, looked up by this name: runs the command argv[1] with the program's
/// own arguments.
using ModuleEntry = int (*)(int argc, char **argv);
inline constexpr const char *ModuleEntryName = "molvaneCliRun";

/// Loads @p module from beside this program or from the installed module folder and runs its
/// command there. When it cannot be loaded, says why on @p err and fails.
int RunModuleCommand(const char *module, int argc, char **argv, std::ostream &err);

} // namespace molvane::cli
