#include "ui/UiText.h"

namespace molvane {

QString UiString(TextId id, UiLanguage language)
{
    return ToQString(Text(id, language));
}

QString UiString(TextId id)
{
    return UiString(id, CurrentUiLanguage());
}

UiHint SplitUiHint(const QString &hint)
{
    const std::string text = hint.toStdString();
    const HintTexts parts = SplitHint(text);
    return { ToQString(parts.shortText), ToQString(parts.longText) };
}

} // namespace molvane
