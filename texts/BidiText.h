#pragma once

#include <string>
#include <string_view>

namespace molvane {

// Directional marks for texts that mix Farsi with paths, names and formulas. All texts are
// UTF-8; the marks are invisible and only steer the order in which text is shown. They are
// the plain marks (LRM, RLM), which every text engine honours, not the newer isolates.

/// An equation inside a Farsi sentence, kept in its own left-to-right order between two
/// left-to-right marks: otherwise "3a = c" shows as "c = 3a".
std::string LeftToRightRun(std::string_view text);

/// A path, file name or Options entry inside a right-to-left text or control, which may itself
/// hold Farsi folder, file or item names:
/// a left-to-right embedding (LRE...PDF) keeps it whole, where marks around it would let it
/// break apart at its Farsi names ("bmp.پروپان/پوشه//home"), and a mark after each Farsi name
/// (see LeftToRightEntry) keeps the names in their order.
std::string LeftToRightEmbedded(std::string_view text);

/// Whether @p text holds a letter of the Arabic script (Farsi), the one thing that makes a
/// message a right-to-left text.
bool HoldsArabicScript(std::string_view text);

/// Every line (ended by "\r" or "\n") begins with a right-to-left mark, so a Farsi line that
/// starts with a Latin letter is still laid out from the right.
std::string RightToLeftLines(std::string_view text);

/// An entry such as "name:5=110" or "#name(a)=#name(b)" shown left to right in the order it
/// was typed: a left-to-right mark starts it and follows each run of Farsi words, so the
/// digits and signs after a name stay after it.
std::string LeftToRightEntry(std::string_view text);

} // namespace molvane
