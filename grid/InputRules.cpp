#include "grid/InputRules.h"

namespace molvane {

namespace {

constexpr char32_t FarsiYeh = 0x06CC;
constexpr char32_t ArabicYeh = 0x064A;
constexpr char32_t ArabicIndicZero = 0x0660;
constexpr char32_t PersianZero = 0x06F0;
constexpr char32_t ArabicDecimalSeparator = 0x066B;

} // namespace

char32_t BestFit(char32_t c)
{
    if (c == FarsiYeh)
        return ArabicYeh;
    if (c >= ArabicIndicZero && c <= ArabicIndicZero + 9)
        return U'0' + (c - ArabicIndicZero);
    if (c >= PersianZero && c <= PersianZero + 9)
        return U'0' + (c - PersianZero);
    if (c == ArabicDecimalSeparator)
        return U'.';
    return c;
}

Refusal CheckTyped(TextField field, char32_t c, const CodePageHas &has)
{
    const char32_t fitted = BestFit(c);
    if (fitted == U'\n' || fitted == U'\r' || fitted == 0)
        return Refusal::LineBreak;
    if (field == TextField::Number && (fitted < U'0' || fitted > U'9'))
        return Refusal::NotADigit;
    if (fitted == U',' && field != TextField::Formula)
        return Refusal::Comma;
    if (fitted == U':' && field == TextField::ItemName)
        return Refusal::Colon;
    if (!has(fitted))
        return Refusal::NotInCodePage;
    return Refusal::None;
}

FittedText FitInput(TextField field, std::u32string_view typed, const CodePageHas &has)
{
    FittedText fitted;
    fitted.text.reserve(typed.size());
    for (const char32_t c : typed) {
        fitted.refusal = CheckTyped(field, c, has);
        if (fitted.refusal != Refusal::None) {
            fitted.text.clear();
            return fitted;
        }
        fitted.text += BestFit(c);
    }
    return fitted;
}

} // namespace molvane
