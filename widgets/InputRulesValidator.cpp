#include "widgets/InputRulesValidator.h"

namespace molvane {

InputRulesValidator::InputRulesValidator(TextField field, CodePageHas codePageHas, QObject *parent)
    : QValidator(parent)
    , m_field(field)
    , m_has(std::move(codePageHas))
{ }

QValidator::State InputRulesValidator::validate(QString &input, int &) const
{
    const std::u32string typed = input.toStdU32String();
    const FittedText fitted = FitInput(m_field, typed, m_has);
    m_refusal = fitted.refusal;
    if (fitted.refusal != Refusal::None) {
        for (const char32_t c : typed) {
            if (CheckTyped(m_field, c, m_has) != Refusal::None) {
                m_refused = c;
                break;
            }
        }
        return Invalid;
    }
    // Best fit swaps one character for one of the same UTF-16 length: the cursor stays.
    if (fitted.text != typed)
        input = QString::fromStdU32String(fitted.text);
    return Acceptable;
}

std::pair<Refusal, char32_t> InputRulesValidator::takeRefusal()
{
    return { std::exchange(m_refusal, Refusal::None), m_refused };
}

} // namespace molvane
