#include "cli/BalanceCommands.h"
#include "cli/CommandModule.h"
#include "cli/EvalCommand.h"
#include "texts/Version.h"

#include <iostream>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr const char *Usage
    = "usage: molvane-cli balance [--no-auto] [--table] [--steps] [REACTION...]\n"
      "       molvane-cli weight [FORMULA...]\n"
      "       molvane-cli eval [EXPRESSION...]\n"
      "       molvane-cli calc IN.KVX [-o OUT.KVX]\n"
      "       molvane-cli html [--steps] IN.KVX OUT.html\n"
      "       molvane-cli bmp IN.KVX OUT.bmp\n"
      "       molvane-cli picture IN.KVX OUT.{png,svg,bmp}\n"
      "       molvane-cli pdf [--steps] IN.KVX OUT.pdf\n"
      "       molvane-cli show IN.KVX\n"
      "       molvane-cli check IN.KVX [-o OUT.KVX]\n"
      "       molvane-cli --help | -h | help | --version\n"
      "\n"
      "balance, weight and eval read one input a line from standard input when none is given.\n"
      "A file argument - is standard input, or standard output for OUT.\n"
      "Exit status: 0 when every input succeeded, 1 when any failed, 2 for a usage error.\n";

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
        { "picture", molvane::cli::PictureModuleName },
        { "pdf", molvane::cli::PictureModuleName },
    };
    std::ios::sync_with_stdio(false);
    const std::string command = argc < 2 ? std::string() : argv[1];
    if (command == "--help" || command == "-h" || command == "help") {
        std::cout << Usage;
        return molvane::cli::Success;
    }
    if (command == "--version") {
        std::cout << "molvane-cli " << molvane::ProgramVersion << '\n';
        return molvane::cli::Success;
    }
    if (moduleCommands.contains(command))
        return molvane::cli::RunModuleCommand(moduleCommands.at(command), argc, argv, std::cerr);
    if (!commands.contains(command)) {
        if (argc >= 2)
            std::cerr << "unknown command " << command << '\n';
        std::cerr << Usage;
        return molvane::cli::UsageError;
    }
    const std::vector<std::string> args(argv + 2, argv + argc);
    return commands.at(command)(args, std::cin, std::cout, std::cerr);
}
