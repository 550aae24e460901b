#include "texts/InterfaceLanguage.h"

namespace molvane {

namespace {

UiLanguage g_language = UiLanguage::English;

} // namespace

UiLanguage CurrentUiLanguage()
{
    return g_language;
}

void SetCurrentUiLanguage(UiLanguage language)
{
    g_language = language;
}

} // namespace molvane
