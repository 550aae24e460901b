#pragma once

#include "texts/Captions.h"

#include <QString>

#include <string_view>

namespace molvane {

/// UTF-8 text, such as a text of the table, as a QString.
QString ToQString(std::string_view utf8);

/// The text of @p key in @p language, or in the current interface language.
QString UiString(std::string_view key, UiLanguage language);
QString UiString(std::string_view key);

} // namespace molvane
