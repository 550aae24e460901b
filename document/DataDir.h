#pragma once

#include "texts/InterfaceLanguage.h"

#include <QString>

namespace molvane {

/// The directory of the program's shared data (templates, manual): the one that stands where
/// the installation puts it relative to the executable in @p executableDir, so that a moved
/// installation finds its own data, else the directory configured when the program was built.
/// An empty @p executableDir skips the first.
QString ProgramDataDir(const QString &executableDir);

/// The first page of the manual in @p language within the data directory @p dataDir.
QString ManualPage(const QString &dataDir, UiLanguage language);

} // namespace molvane
