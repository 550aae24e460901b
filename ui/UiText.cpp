#include "ui/UiText.h"

#include "texts/BidiText.h"

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
    return ToQString(LeftToRightEmbedded(path.toStdString()));
}

QString MessageInText(const QString &message)
{
    // The English advice on Farsi fonts keeps its left-to-right lines in a Farsi window.
    const std::string text = message.toStdString();
    if (CurrentUiLanguage() != UiLanguage::Farsi || !HoldsArabicScript(text))
        return message;
    return ToQString(RightToLeftLines(text));
}

} // namespace molvane
