#pragma once

#include "texts/InterfaceLanguage.h"

#include <QString>
#include <QUrl>

namespace molvane {

/// The project's addresses; any may be empty when none is known.
struct ProjectLinks
{
    QString homepage; ///< the web site
    QString contact; ///< an e-mail address or a URL for comments and problems
    QString source; ///< where the source code is published
};

/// The addresses this build was configured with.
ProjectLinks ConfiguredProjectLinks();

/// The pages the Help menu opens.
enum class HelpLink { Manual, Website, Contact, Source };

/// What @p link opens: for the manual, its page of @p language in the data directory
/// @p dataDir; otherwise the address in @p links, an e-mail address as a mailto: link, and
/// where there is none the paragraph of the manual's contact section that says so.
QUrl HelpLinkUrl(
    HelpLink link, const ProjectLinks &links, const QString &dataDir, UiLanguage language);

} // namespace molvane
