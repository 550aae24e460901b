#include "ui/HelpLinks.h"

#include "document/DataDir.h"

namespace molvane {

ProjectLinks ConfiguredProjectLinks()
{
    return { QStringLiteral(MOLVANE_HOMEPAGE_URL), QStringLiteral(MOLVANE_CONTACT),
        QStringLiteral(MOLVANE_SOURCE_URL) };
}

QUrl HelpLinkUrl(
    HelpLink link, const ProjectLinks &links, const QString &dataDir, UiLanguage language)
{
    QUrl manual = QUrl::fromLocalFile(ManualPage(dataDir, language));
    QString address;
    // Each link's own paragraph of the manual's contact section says it is not configured.
    QString section;
    switch (link) {
    case HelpLink::Manual:
        return manual;
    case HelpLink::Website:
        address = links.homepage;
        section = "contact-website";
        break;
    case HelpLink::Contact:
        address = links.contact;
        section = "contact-comments";
        // A bare e-mail address becomes a link the mail program opens.
        if (address.contains('@') && !address.contains(':'))
            address.prepend("mailto:");
        break;
    case HelpLink::Source:
        address = links.source;
        section = "contact-source";
        break;
    }
    if (!address.isEmpty())
        return QUrl(address);
    manual.setFragment(section);
    return manual;
}

} // namespace molvane
