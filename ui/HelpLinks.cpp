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
    switch (link) {
    case HelpLink::Manual:
        return manual;
    case HelpLink::Website:
        address = links.homepage;
        break;
    case HelpLink::Contact:
        address = links.contact;
        // A bare e-mail address becomes a link the mail program opens.
        if (address.contains('@') && !address.contains(':'))
            address.prepend("mailto:");
        break;
    case HelpLink::Source:
        address = links.source;
        break;
    }
    if (!address.isEmpty())
        return QUrl(address);
    manual.setFragment("contact");
    return manual;
}

} // namespace molvane
