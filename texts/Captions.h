#pragma once

#include <span>
#include <string>
#include <string_view>

namespace molvane {

/// The interface language; every document remembers the one it was saved under.
enum class UiLanguage { English, Farsi };

/// One text of the interface in both languages. Keys name the action, control or message:
/// "FileNew.Caption", "FileNew.Hint", "CannotOpenText", "OpsForm.Caption", ...
/// A hint's short part (tool-tip) and long part (status bar) are separated by "|"; "\r"
/// breaks the line inside a message. Farsi texts are UTF-8 here and Windows-1256 in files.
struct UiText
{
    std::string_view key;
    std::string_view english;
    std::string_view farsi;

    std::string_view in(UiLanguage language) const
    {
        return language == UiLanguage::English ? english : farsi;
    }
};

/// Every caption, hint, title and message text of both languages, in one table.
std::span<const UiText> UiTexts();

/// The text of @p key in @p language; throws std::out_of_range for a key the table lacks.
std::string_view Caption(std::string_view key, UiLanguage language);

/// The window title: "Molvane - Untitled" for an untitled document, otherwise "Molvane - "
/// and the file name of @p documentPath without its directory and its last extension.
std::string WindowTitle(std::string_view documentPath);

} // namespace molvane
