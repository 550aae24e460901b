#include "document/Templates.h"

#include "document/DataDir.h"
#include "document/DocumentFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace molvane {

TemplateDirs DefaultTemplateDirs()
{
    TemplateDirs dirs;
    dirs.user = QCoreApplication::applicationName().isEmpty()
        ? QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/molvane"
        : QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (QCoreApplication::instance())
        dirs.program = QCoreApplication::applicationDirPath();
    dirs.installed = ProgramDataDir(dirs.program);
    return dirs;
}

QString TemplateFileName(UiLanguage language)
{
    return language == UiLanguage::English ? QStringLiteral("New.KVX") : QStringLiteral("NewF.KVX");
}

QString FindTemplate(const TemplateDirs &dirs, UiLanguage language)
{
    for (const QString &dir : { dirs.user, dirs.program, dirs.installed }) {
        if (dir.isEmpty())
            continue;
        const QFileInfo candidate(QDir(dir), TemplateFileName(language));
        if (candidate.isFile())
            return candidate.filePath();
    }
    return {};
}

TemplateOutcome ApplyTemplateFile(const Document &current, const TemplateDirs &dirs)
{
    const QString path = FindTemplate(dirs, current.language);
    if (path.isEmpty())
        return { current,
            DocumentReadError(DocumentReadError::WholeFile,
                TemplateFileName(current.language).toStdString() + ": no template") };
    try {
        return ApplyTemplate(ReadDocumentBytes(path), current);
    } catch (const DocumentReadError &stop) {
        return { current, stop };
    }
}

bool WriteTemplate(const Document &document, const TemplateDirs &dirs)
{
    if (dirs.user.isEmpty() || !QDir().mkpath(dirs.user))
        return false;
    try {
        WriteFileReplacing(
            QDir(dirs.user).filePath(TemplateFileName(document.language)), TemplateBytes(document));
        return true;
    } catch (const DocumentWriteError &) {
        return false;
    }
}

} // namespace molvane
