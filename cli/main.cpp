#include "cli/BalanceCommands.h"
#include "cli/DocumentCommands.h"
#include "cli/EvalCommand.h"
#ifdef MOLVANE_BITMAP_COMMAND
#include "cli/BitmapCommand.h"

#include <QGuiApplication>
#endif

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
#ifdef MOLVANE_BITMAP_COMMAND
                              "       molvane-cli bmp IN.KVX OUT.bmp\n"
#endif
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
#ifdef MOLVANE_BITMAP_COMMAND
        { "bmp", molvane::cli::RunBmp },
#endif
    };
    std::ios::sync_with_stdio(false);
    if (argc < 2 || !commands.contains(argv[1])) {
        std::cerr << Usage;
        return molvane::cli::UsageError;
    }
    const std::vector<std::string> args(argv + 2, argv + argc);
#ifdef MOLVANE_BITMAP_COMMAND
    if (std::string_view(argv[1]) == "bmp") {
        // Painting text needs fonts, and fonts need an application, but not a display.
        molvane::cli::UseOffscreenPlatformUnlessSet();
        int qtArgc = 1;
        QGuiApplication app(qtArgc, argv);
        return molvane::cli::RunBmp(args, std::cin, std::cout, std::cerr);
    }
#endif
    return commands.at(argv[1])(args, std::cin, std::cout, std::cerr);
}
