#include "cli/QtMessages.h"

#include <QString>
#include <QtGlobal>

#include <iostream>

namespace molvane::cli {

void QuietQtWarnings()
{
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::cerr << "molvane-cli: " << message.toStdString() << '\n';
    });
}

} // namespace molvane::cli
