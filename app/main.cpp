#include "ui/ActionIcons.h"
#include "ui/MainWindow.h"
#include "widgets/CaptionStyle.h"

#include "document/DataDir.h"
#include "texts/Version.h"

#include <QApplication>
#include <QFileInfo>
#include <QSettings>

#include <cstdlib>
#include <iostream>
#include <optional>
#include <string_view>

namespace {

constexpr const char *Usage
    = "usage: molvane [FILE.KVX]\n"
      "Balances chemical reactions and works out their quantities; opens FILE.KVX if given.\n"
      "\n"
      "  -h, --help, help  show this help and exit\n"
      "  --version         show the version and exit\n"
      "\n"
      "Qt's own options, such as -platform offscreen, are accepted too.\n"
      "molvane-cli does the same work without a window; see molvane-cli --help.\n";

// Help and version are answered before the application exists, so they need no display.
// Gives the exit status when the command line asked for one of them.
std::optional<int> answerInformationRequest(int argc, char **argv)
{
    if (argc != 2)
        return std::nullopt;
    const std::string_view arg = argv[1];
    if (arg == "--help" || arg == "-h" || arg == "help") {
        std::cout << Usage;
        // Where this installation keeps its manual; a core application needs no display.
        const QCoreApplication locator(argc, argv);
        const QString manual
            = molvane::ManualPage(molvane::ProgramDataDir(QCoreApplication::applicationDirPath()),
                molvane::UiLanguage::English);
        if (QFileInfo::exists(manual))
            std::cout << "\nManual: " << manual.toStdString() << '\n';
        return 0;
    }
    if (arg == "--version") {
        std::cout << "molvane " << molvane::ProgramVersion << '\n';
        return 0;
    }
    return std::nullopt;
}

// Whether Qt will find something to show windows on: a display, a Wayland session, or a
// platform chosen by the environment or with -platform. Without one Qt aborts with a message
// about reinstalling.
bool hasDisplay(int argc, char **argv)
{
    for (const char *variable : { "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM" }) {
        const char *value = std::getenv(variable);
        if (value && *value)
            return true;
    }
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "-platform" || arg == "--platform" || arg.starts_with("-platform="))
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    if (const std::optional<int> status = answerInformationRequest(argc, argv))
        return *status;
    if (!hasDisplay(argc, argv)) {
        std::cerr << "molvane: no display: Molvane needs a graphical session; without one, "
                     "molvane-cli does the same work (see molvane-cli --help)\n";
        return 1;
    }
    QApplication app(argc, argv);
    // Farsi captions keep their words joined: no access-key underline inside them.
    QApplication::setStyle(new molvane::CaptionStyle);
    QApplication::setApplicationVersion(QString::fromUtf8(MOLVANE_VERSION));
    QApplication::setOrganizationName("Qarv");
    QApplication::setApplicationName("Molvane");
    // No display name: the window system would append it to every title the title rule gives.
    QApplication::setWindowIcon(molvane::ProgramIcon());
    // Lets the desktop match the windows to the installed org.molvane.Molvane.desktop entry.
    QGuiApplication::setDesktopFileName("org.molvane.Molvane");

    QSettings settings("Qarv", "Qv1");
    QStringList args = QApplication::arguments();
    // For measuring start-up: end as soon as the first document is shown.
    const bool quitAfterFirstPaint = args.removeAll("--quit-after-first-paint") > 0;
    molvane::MainWindow window(settings, args.size() > 1 ? args.at(1) : QString());
    if (quitAfterFirstPaint)
        QObject::connect(&window, &molvane::MainWindow::firstDocumentShown, &app,
            &QApplication::quit, Qt::QueuedConnection);
    switch (window.restorePlacement()) {
    case 2:
        window.showMaximized();
        break;
    case 1:
        window.showMinimized();
        break;
    default:
        window.show();
    }
    return QApplication::exec();
}
