#include "ui/UiText.h"

#include "texts/BidiText.h"

#include <algorithm>

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

QString PathInText(const QString &path)
{
    if (CurrentUiLanguage() != UiLanguage::Farsi)
        return path;
    return ToQString(LeftToRightPath(path.toStdString()));
}

QString MessageInText(const QString &message)
{
    // The English advice on Farsi fonts keeps its left-to-right lines in a Farsi window.
    const bool farsiText = std::any_of(
        message.begin(), message.end(), [](QChar c) { return c.script() == QChar::Script_Arabic; });
    if (CurrentUiLanguage() != UiLanguage::Farsi || !farsiText)
        return message;
    return ToQString(RightToLeftLines(message.toStdString()));
}

} // namespace molvane
