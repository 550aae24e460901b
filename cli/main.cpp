#include "cli/BalanceCommands.h"
#include "cli/BitmapCommand.h"
#include "cli/DocumentCommands.h"
#include "cli/EvalCommand.h"

#include <QGuiApplication>

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
    using Command
        = int (*)(const std::vector<std::string> &, std::istream &, std::ostream &, std::ostream &);
    const std::map<std::string, Command> commands = {
        { "balance", molvane::cli::RunBalance },
        { "weight", molvane::cli::RunWeight },
        { "eval", molvane::cli::RunEval },
        { "calc", molvane::cli::RunCalc },
        { "html", molvane::cli::RunHtml },
        { "show", molvane::cli::RunShow },
        { "check", molvane::cli::RunCheck },
        { "bmp", molvane::cli::RunBmp },
    };
    std::ios::sync_with_stdio(false);
    if (argc < 2 || !commands.contains(argv[1])) {
        std::cerr << Usage;
        return molvane::cli::UsageError;
    }
    const std::vector<std::string> args(argv + 2, argv + argc);
    if (std::string_view(argv[1]) == "bmp") {
        // Painting text needs fonts, and fonts need an application, but not a display.
        molvane::cli::UseOffscreenPlatformUnlessSet();
        int qtArgc = 1;
        QGuiApplication app(qtArgc, argv);
        return molvane::cli::RunBmp(args, std::cin, std::cout, std::cerr);
    }
    return commands.at(argv[1])(args, std::cin, std::cout, std::cerr);
}
