#include "cli/BalanceCommands.h"
#include "cli/CommandModule.h"
#include "cli/EvalCommand.h"

#include <iostream>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr const char *Usage = "usage: molvane-cli balance [--no-auto] [--table] [REACTION...]\n"
                              "       molvane-cli weight [FORMULA...]\n"
                              "       molvane-cli eval [EXPRESSION...]\n"
                              "       molvane-cli calc IN.KVX [-o OUT.KVX]\n"
                              "       molvane-cli html IN.KVX OUT.html\n"
                              "       molvane-cli bmp IN.KVX OUT.bmp\n"
                              "       molvane-cli show IN.KVX\n"
                              "       molvane-cli check IN.KVX [-o OUT.KVX]\n";

} // namespace

int main(int argc, char **argv)
{
    const std::map<std::string, molvane::cli::Command> commands = {
        { "balance", molvane::cli::RunBalance },
        { "weight", molvane::cli::RunWeight },
        { "eval", molvane::cli::RunEval },
    };
    const std::map<std::string, const char *> moduleCommands = {
        { "calc", molvane::cli::DocumentModuleName },
        { "html", molvane::cli::DocumentModuleName },
        { "show", molvane::cli::DocumentModuleName },
        { "check", molvane::cli::DocumentModuleName },
        { "bmp", molvane::cli::PictureModuleName },
    };
    std::ios::sync_with_stdio(false);
    if (argc >= 2 && moduleCommands.contains(argv[1]))
        return molvane::cli::RunModuleCommand(moduleCommands.at(argv[1]), argc, argv, std::cerr);
    if (argc < 2 || !commands.contains(argv[1])) {
        std::cerr << Usage;
        return molvane::cli::UsageError;
    }
    const std::vector<std::string> args(argv + 2, argv + argc);
    return commands.at(argv[1])(args, std::cin, std::cout, std::cerr);
}
