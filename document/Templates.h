#pragma once

#include "document/DocumentFormat.h"

#include <QString>

namespace molvane {

/// Where template documents are looked for, in this order, and where they are written.
struct TemplateDirs
{
    QString user; ///< the per-user data directory: read first, and the one written
    QString program; ///< beside the executable
    QString installed; ///< the installed data directory
};

/// The directories of this installation. The per-user one follows the application's
/// organisation and name; the program directory needs a running application object.
TemplateDirs DefaultTemplateDirs();

/// "New.KVX" for English, "NewF.KVX" for Farsi.
QString TemplateFileName(UiLanguage language);

/// The template of @p language to read: the first regular file of that name in the user,
/// program and installed directories; empty when there is none.
QString FindTemplate(const TemplateDirs &dirs, UiLanguage language);

/// Applies the template of @p current's language to @p current as far as it reads. With no
/// template the document stays as it was and the outcome says so; nothing is ever reported.
TemplateOutcome ApplyTemplateFile(const Document &current, const TemplateDirs &dirs);

/// Writes @p document, with an empty reaction, as the template of its language into the
/// per-user directory, which is made when missing. False when nothing could be written, so
/// the caller can say so; the open document never changes.
bool WriteTemplate(const Document &document, const TemplateDirs &dirs);

} // namespace molvane
