#include "document/DataDir.h"

#include <QDir>
#include <QFileInfo>

namespace molvane {

QString ProgramDataDir(const QString &executableDir)
{
    if (!executableDir.isEmpty()) {
        const QFileInfo beside(QDir(executableDir).filePath(MOLVANE_DATA_DIR_FROM_BIN));
        if (beside.isDir())
            return QDir::cleanPath(beside.absoluteFilePath());
    }
    return QStringLiteral(MOLVANE_INSTALLED_DATA_DIR);
}

QString ManualPage(const QString &dataDir, UiLanguage language)
{
    return QDir(dataDir).filePath(
        language == UiLanguage::Farsi ? "manual/fa/index.html" : "manual/en/index.html");
}

} // namespace molvane
