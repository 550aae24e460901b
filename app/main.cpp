#include "app/MainU.h"

#include <QApplication>
#include <QSettings>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Qarv");
    QApplication::setApplicationName("Molvane");
    QApplication::setApplicationDisplayName("Molvane");

    QSettings settings("Qarv", "Qv1");
    const QStringList args = QApplication::arguments();
    molvane::MainU window(settings, args.size() > 1 ? args.at(1) : QString());
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
