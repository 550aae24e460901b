#include "texts/BidiText.h"

namespace molvane {

namespace {

constexpr std::string_view LeftToRightIsolateMark = "\u2066";
constexpr std::string_view FirstStrongIsolateMark = "\u2068";
constexpr std::string_view PopIsolateMark = "\u2069";
constexpr std::string_view RightToLeftMark = "\u200F";

std::size_t sequenceLength(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if ((lead & 0xE0) == 0xC0)
        return 2;
    if ((lead & 0xF0) == 0xE0)
        return 3;
    return 4;
}

// U+0600-U+06FF and U+0750-U+077F: every letter the documents' code page can hold.
bool isArabicScript(std::string_view character)
{
    const auto lead = static_cast<unsigned char>(character.front());
    return (lead >= 0xD8 && lead <= 0xDB) || lead == 0xDD;
}

// Spaces and zero-width non-joiners inside a run of Farsi words belong to the run.
bool joinsWords(std::string_view character)
{
    return character == " " || character == "\u200C";
}

} // namespace

std::string LeftToRightIsolate(std::string_view text)
{
    std::string out(LeftToRightIsolateMark);
    out.append(text).append(PopIsolateMark);
    return out;
}

std::string RightToLeftLines(std::string_view text)
{
    std::string out(RightToLeftMark);
    for (const char c : text) {
        out += c;
        if (c == '\r' || c == '\n')
            out.append(RightToLeftMark);
    }
    return out;
}

std::string LeftToRightEntry(std::string_view text)
{
    std::string out(LeftToRightIsolateMark);
    std::size_t runEnd = 0; // one past the last Farsi character of the open run, or 0
    std::string pending; // joiners seen since, added to the run only if Farsi follows
    for (std::size_t i = 0; i < text.size();) {
        const std::string_view character = text.substr(i, sequenceLength(text[i]));
        i += character.size();
        if (isArabicScript(character)) {
            out.append(runEnd ? std::string_view(pending) : FirstStrongIsolateMark);
            pending.clear();
            out.append(character);
            runEnd = i;
        } else if (runEnd && joinsWords(character)) {
            pending.append(character);
        } else {
            if (runEnd)
                out.append(PopIsolateMark);
            out.append(pending).append(character);
            pending.clear();
            runEnd = 0;
        }
    }
    if (runEnd)
        out.append(PopIsolateMark);
    out.append(pending).append(PopIsolateMark);
    return out;
}

} // namespace molvane
