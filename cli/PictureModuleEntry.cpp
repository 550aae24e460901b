// The entry point of the module that holds the commands that paint (bmp, picture, pdf), with the
// application that painting text needs.
#include "cli/BalanceCommands.h"
#include "cli/BitmapCommand.h"
#include "cli/CommandModule.h"
#include "cli/QtMessages.h"
#include "cli/WeightsOption.h"

#include <QGuiApplication>

#include <iostream>
#include <string>
#include <string_view>
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
    const std::string_view command = argv[1];
    const auto run = command == "picture" ? molvane::cli::RunPicture
        : command == "pdf"                ? molvane::cli::RunPdf
                                          : molvane::cli::RunBmp;
    return run(args, std::cin, std::cout, std::cerr);
}
