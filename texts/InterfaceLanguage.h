#pragma once

namespace molvane {

/// The interface language; every document remembers the one it was saved under.
enum class UiLanguage { English, Farsi };

/// The language the interface shows its texts in; only the language switch changes it.
UiLanguage CurrentUiLanguage();
void SetCurrentUiLanguage(UiLanguage language);

} // namespace molvane
