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

} // namespace molvane
