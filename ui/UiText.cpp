#include "ui/UiText.h"

#include "ui/MessageBox.h"

namespace molvane {

QString ToQString(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

QString UiString(std::string_view key, UiLanguage language)
{
    return ToQString(Caption(key, language));
}

QString UiString(std::string_view key)
{
    return UiString(key, CurrentUiLanguage());
}

} // namespace molvane
