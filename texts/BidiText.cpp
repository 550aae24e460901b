#include "texts/BidiText.h"

namespace molvane {

namespace {

constexpr std::string_view LeftToRightMark = "\u200E";
constexpr std::string_view RightToLeftMark = "\u200F";
constexpr std::string_view LeftToRightEmbedding = "\u202A";
constexpr std::string_view PopDirectionalFormatting = "\u202C";

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

// Spaces and zero-width non-joiners between Farsi words belong to their run.
bool joinsWords(std::string_view character)
{
    return character == " " || character == "\u200C";
}

} // namespace

std::string LeftToRightRun(std::string_view text)
{
    std::string out(LeftToRightMark);
    out.append(text).append(LeftToRightMark);
    return out;
}

std::string LeftToRightEmbedded(std::string_view text)
{
    std::string out(LeftToRightEmbedding);
    out.append(LeftToRightEntry(text)).append(PopDirectionalFormatting);
    return out;
}

bool HoldsArabicScript(std::string_view text)
{
    for (std::size_t i = 0; i < text.size(); i += sequenceLength(text[i]))
        if (isArabicScript(text.substr(i)))
            return true;
    return false;
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
    std::string out(LeftToRightMark);
    bool inRun = false;
    std::string joiners; // seen since the run's last Farsi letter
    for (std::size_t i = 0; i < text.size();) {
        const std::string_view character = text.substr(i, sequenceLength(text[i]));
        i += character.size();
        if (isArabicScript(character)) {
            out.append(joiners).append(character);
            joiners.clear();
            inRun = true;
        } else if (inRun && joinsWords(character)) {
            joiners.append(character);
        } else {
            if (inRun)
                out.append(LeftToRightMark);
            out.append(joiners).append(character);
            joiners.clear();
            inRun = false;
        }
    }
    if (inRun)
        out.append(LeftToRightMark);
    return out.append(joiners);
}

} // namespace molvane
