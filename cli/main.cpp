#include "cli/BalanceCommands.h"
#include "cli/CommandModule.h"
#include "cli/EvalCommand.h"
#include "cli/WeightsOption.h"
#include "texts/Version.h"

#include <iostream>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr const char *Usage
    = "usage: molvane-cli balance [--no-auto] [--table] [--steps] [--redox]\n"
      "         [--medium acid|base] [--complete acid|base] [--] [REACTION...]\n"
      "       molvane-cli weight [--table] [FORMULA...]\n"
      "       molvane-cli eval [EXPRESSION...]\n"
      "       molvane-cli calc IN.KVX [-o OUT.KVX]\n"
      "       molvane-cli html [--steps] IN.KVX OUT.html\n"
      "       molvane-cli bmp IN.KVX OUT.bmp\n"
      "       molvane-cli picture IN.KVX OUT.{png,svg,bmp}\n"
      "       molvane-cli pdf [--steps] IN.KVX OUT.pdf\n"
      "       molvane-cli show IN.KVX\n"
      "       molvane-cli check IN.KVX [-o OUT.KVX]\n"
      "       molvane-cli --weights iupac|original COMMAND ...\n"
      "       molvane-cli --help | -h | help | --version\n"
      "\n"
      "balance, weight and eval read one input a line from standard input when none is given;\n"
      "balance skips blank lines, and after -- takes every argument as a reaction.\n"
      "--weights chooses the atomic weights: original (the default) or iupac (IUPAC 2021).\n"
      "A file argument - is standard input, or standard output for OUT.\n"
      "Exit status: 0 when every input succeeded, 1 when any failed, 2 for a usage error.\n";

// A module holds its own copy of the libraries: the table in force goes with its arguments.
int runModule(const char *module, char *program, std::vector<std::string> args)
{
    const std::vector<std::string> weights = molvane::cli::WeightsOptionInForce();
    args.insert(args.begin() + 1, weights.begin(), weights.end());
    std::vector<char *> argv { program };
    for (std::string &arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    return molvane::cli::RunModuleCommand(module, int(argv.size()) - 1, argv.data(), std::cerr);
}

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
    std::vector<std::string> args(argv + 1, argv + argc);
    if (!molvane::cli::TakeWeightsOption(args, std::cerr))
        return molvane::cli::UsageError;
    const std::string command = args.empty() ? std::string() : args.front();
    if (command == "--help" || command == "-h" || command == "help") {
        std::cout << Usage;
        return molvane::cli::Success;
    }
    if (command == "--version") {
        std::cout << "molvane-cli " << molvane::ProgramVersion << '\n';
        return molvane::cli::Success;
    }
    if (moduleCommands.contains(command))
        return runModule(moduleCommands.at(command), argv[0], args);
    if (!commands.contains(command)) {
        if (!args.empty())
            std::cerr << "unknown command " << command << '\n';
        std::cerr << Usage;
        return molvane::cli::UsageError;
    }
    args.erase(args.begin());
    return commands.at(command)(args, std::cin, std::cout, std::cerr);
}
