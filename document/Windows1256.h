#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <optional>
#include <string>
#include <string_view>

namespace molvane {

// Documents and exported pages hold Windows-1256 bytes; the program holds UTF-8. These are
// the only places that convert between the two, by the mapping of Qt's codec (learnt from it
// once, then looked up).

/// The text of Windows-1256 @p bytes as UTF-8. Every byte has a character, so nothing fails.
std::string FromWindows1256(QByteArrayView bytes);

/// The Windows-1256 bytes of UTF-8 @p text; nothing when a character has no byte there.
std::optional<QByteArray> ToWindows1256(std::string_view text);

/// The Windows-1256 bytes of UTF-8 @p text, with @p standIn for every character that has no
/// byte there: for code that holds one byte per character, such as the reaction editor.
std::string ToWindows1256Or(std::string_view text, char standIn);

/// Appends the Windows-1256 bytes of UTF-8 @p text to @p bytes; false, with @p bytes left
/// part-way, when a character has no byte there.
bool AppendWindows1256(std::string_view text, QByteArray &bytes);

/// Appends the Windows-1256 bytes of UTF-8 @p text to @p bytes, with every character that
/// has no byte there written as an HTML character reference (&#1740;), so a page loses nothing.
void AppendWindows1256Html(std::string_view text, QByteArray &bytes);

/// Whether Windows-1256 has a byte for @p character (NUL aside): what the input rules ask
/// before they let a character into a document.
bool Windows1256Has(char32_t character);

/// The first character of UTF-8 @p text that Windows-1256 lacks, as UTF-8; empty if none.
std::string FirstCharacterOutsideWindows1256(std::string_view text);

} // namespace molvane
