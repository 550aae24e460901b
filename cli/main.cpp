#include "cli/BalanceCommands.h"
#include "cli/BitmapCommand.h"
#include "cli/DocumentCommands.h"
#include "cli/EvalCommand.h"
#include "texts/Version.h"

#include <QGuiApplication>

#include <iostream>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr const char *Usage
    = "usage: molvane-cli balance [--no-auto] [--table] [REACTION...]\n"
      "       molvane-cli weight [FORMULA...]\n"
      "       molvane-cli eval [EXPRESSION...]\n"
      "       molvane-cli calc IN.KVX [-o OUT.KVX]\n"
      "       molvane-cli html IN.KVX OUT.html\n"
      "       molvane-cli bmp IN.KVX OUT.bmp\n"
      "       molvane-cli show IN.KVX\n"
      "       molvane-cli check IN.KVX [-o OUT.KVX]\n"
      "       molvane-cli --help | -h | help | --version\n"
      "\n"
      "balance, weight and eval read one input a line from standard input when none is given.\n"
      "A file argument - is standard input, or standard output for OUT.\n"
      "Exit status: 0 when every input succeeded, 1 when any failed, 2 for a usage error.\n";

// Qt's warnings (a missing XDG_RUNTIME_DIR and the like) are not the command's output.
void dropQtChatter(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::cerr << "molvane-cli: " << message.toStdString() << '\n';
}

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
    const std::string command = argc < 2 ? std::string() : argv[1];
    if (command == "--help" || command == "-h" || command == "help") {
        std::cout << Usage;
        return molvane::cli::Success;
    }
    if (command == "--version") {
        std::cout << "molvane-cli " << molvane::ProgramVersion << '\n';
        return molvane::cli::Success;
    }
    if (!commands.contains(command)) {
        if (argc >= 2)
            std::cerr << "unknown command " << command << '\n';
        std::cerr << Usage;
        return molvane::cli::UsageError;
    }
    qInstallMessageHandler(dropQtChatter);
    const std::vector<std::string> args(argv + 2, argv + argc);
    if (command == "bmp") {
        // Painting text needs fonts, and fonts need an application, but not a display.
        molvane::cli::UseOffscreenPlatformUnlessSet();
        int qtArgc = 1;
        QGuiApplication app(qtArgc, argv);
        return molvane::cli::RunBmp(args, std::cin, std::cout, std::cerr);
    }
    return commands.at(command)(args, std::cin, std::cout, std::cerr);
}
