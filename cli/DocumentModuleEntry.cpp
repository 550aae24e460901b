// The entry point of the module that holds the document commands, which need QtCore.
#include "cli/BalanceCommands.h"
#include "cli/CommandModule.h"
#include "cli/DocumentCommands.h"
#include "cli/QtMessages.h"
#include "cli/WeightsOption.h"

#include <iostream>
#include <map>
#include <string>
#include <type_traits>
#include <vector>

extern "C" __attribute__((visibility("default"))) int molvaneCliRun(int argc, char **argv)
{
    static_assert(std::is_same_v<decltype(&molvaneCliRun), molvane::cli::ModuleEntry>);
    molvane::cli::QuietQtWarnings();
    const std::map<std::string, molvane::cli::Command> commands = {
        { "calc", molvane::cli::RunCalc },
        { "html", molvane::cli::RunHtml },
        { "show", molvane::cli::RunShow },
        { "check", molvane::cli::RunCheck },
    };
    std::vector<std::string> args(argv + 2, argv + argc);
    if (!molvane::cli::TakeWeightsOption(args, std::cerr))
        return molvane::cli::UsageError;
    return commands.at(argv[1])(args, std::cin, std::cout, std::cerr);
}
