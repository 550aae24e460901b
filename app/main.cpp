#include "ui/ActionIcons.h"
#include "ui/MainWindow.h"
#include "widgets/CaptionStyle.h"

#include <QApplication>
#include <QSettings>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Farsi captions keep their words joined: no access-key underline inside them.
    QApplication::setStyle(new molvane::CaptionStyle);
    QApplication::setOrganizationName("Qarv");
    QApplication::setApplicationName("Molvane");
    // No display name: the window system would append it to every title the title rule gives.
    QApplication::setWindowIcon(molvane::ProgramIcon());
    // Lets the desktop match the windows to the installed molvane.desktop entry.
    QGuiApplication::setDesktopFileName("molvane");

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
