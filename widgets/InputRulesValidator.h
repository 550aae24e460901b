#pragma once

#include "grid/InputRules.h"

#include <QValidator>

#include <utility>

namespace molvane {

/// A line edit's validator that fits every change (typed, pasted, dropped) to the input rules
/// of one kind of text, or refuses it whole and remembers why.
class InputRulesValidator : public QValidator
{
public:
    InputRulesValidator(TextField field, CodePageHas codePageHas, QObject *parent);

    State validate(QString &input, int &position) const override;

    /// The reason and the first refused character of the last refusal, once.
    std::pair<Refusal, char32_t> takeRefusal();

private:
    TextField m_field;
    CodePageHas m_has;
    mutable Refusal m_refusal = Refusal::None;
    mutable char32_t m_refused = 0;
};

} // namespace molvane
