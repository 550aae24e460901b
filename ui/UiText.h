#pragma once

#include "document/QtText.h"
#include "texts/Texts.h"

#include <QString>

namespace molvane {

/// The text of @p id in @p language, or in the current interface language.
QString UiString(TextId id, UiLanguage language);
QString UiString(TextId id);

/// A hint split by SplitHint: its tool-tip and its status-bar text.
struct UiHint
{
    QString toolTip;
    QString statusTip;
};
UiHint SplitUiHint(const QString &hint);

/// A path as it stands inside a text of the interface language: in Farsi isolated, so it
/// keeps its own left-to-right order.
QString PathInText(const QString &path);

/// A message in the interface language's paragraph direction: in a Farsi window every line
/// of a Farsi text reads from the right, whatever letter it starts with.
QString MessageInText(const QString &message);

} // namespace molvane
