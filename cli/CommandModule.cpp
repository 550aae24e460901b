#include "cli/CommandModule.h"

#include "cli/BalanceCommands.h"

#include <dlfcn.h>

#include <filesystem>
#include <ostream>
#include <string>

namespace molvane::cli {

int RunModuleCommand(const char *module, int argc, char **argv, std::ostream &err)
{
    std::error_code error;
    const std::filesystem::path folder
        = std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
    // Beside the program in the build tree; in the installed module folder after.
    std::string reason = "not found";
    for (const std::filesystem::path &path :
        { folder / module, folder / MOLVANE_CLI_MODULE_DIR / module }) {
        if (!std::filesystem::exists(path))
            continue;
        // Loaded until the program ends: Qt's exit handlers live in the module.
        void *handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!handle) {
            reason = dlerror();
            continue;
        }
        if (auto entry = reinterpret_cast<ModuleEntry>(dlsym(handle, ModuleEntryName)))
            return entry(argc, argv);
        reason = dlerror();
    }
    err << "error: cannot load " << module << ": " << reason << '\n';
    return SomeFailed;
}

} // namespace molvane::cli
