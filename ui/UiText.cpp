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

} // namespace molvane
