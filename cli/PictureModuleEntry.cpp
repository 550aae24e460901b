// The entry point of the module that holds the bmp command, with the application that painting
// text needs.
#include "cli/BalanceCommands.h"
#include "cli/BitmapCommand.h"
#include "cli/CommandModule.h"
#include "cli/QtMessages.h"
#include "cli/WeightsOption.h"

#include <QGuiApplication>

#include <iostream>
#include <string>
#include <type_traits>
#include <vector>

extern "C" __attribute__((visibility("default"))) int molvaneCliRun(int argc, char **argv)
{
    static_assert(std::is_same_v<decltype(&molvaneCliRun), molvane::cli::ModuleEntry>);
    molvane::cli::QuietQtWarnings();
    // Painting text needs fonts, and fonts need an application, but not a display.
    molvane::cli::UseOffscreenPlatformUnlessSet();
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    std::vector<std::string> args(argv + 2, argv + argc);
    if (!molvane::cli::TakeWeightsOption(args, std::cerr))
        return molvane::cli::UsageError;
    return molvane::cli::RunBmp(args, std::cin, std::cout, std::cerr);
}
