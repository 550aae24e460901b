#pragma once

#include "texts/InterfaceLanguage.h"

namespace molvane {

/// Qt's own texts (file dialogs, context menus, standard buttons) in @p language: Qt's Farsi
/// translation is installed for Farsi and removed for English. False if Farsi was asked for
/// and the translation is not installed; Qt's texts then stay English.
bool UseQtTranslation(UiLanguage language);

} // namespace molvane
