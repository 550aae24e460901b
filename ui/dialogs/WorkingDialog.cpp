#include "ui/dialogs/WorkingDialog.h"

#include "core/Derivation.h"
#include "core/Errors.h"
#include "texts/FaultTexts.h"
#include "texts/WorkingText.h"

#include <QPlainTextEdit>
#include <QTextDocument>
#include <QTextOption>
#include <QVBoxLayout>

namespace molvane {

WorkingDialog::WorkingDialog(QWidget *parent)
    : BilingualDialog(TextId::WorkingTitle, parent)
{
    setObjectName("WorkingForm");
    setSizeGripEnabled(true);
    m_text = new QPlainTextEdit(this);
    m_text->setObjectName("Working");
    m_text->setReadOnly(true);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    resize(520, 420);
}

void WorkingDialog::setReaction(const std::string &normalisedReaction)
{
    m_reaction = normalisedReaction;
    showWorking();
}

QString WorkingDialog::working() const
{
    return m_text->toPlainText();
}

void WorkingDialog::languageChanged(UiLanguage language)
{
    m_language = language;
    const bool farsi = language == UiLanguage::Farsi;
    setLayoutDirection(farsi ? Qt::RightToLeft : Qt::LeftToRight);
    // The lines start from the side they are read from.
    QTextOption option = m_text->document()->defaultTextOption();
    option.setTextDirection(farsi ? Qt::RightToLeft : Qt::LeftToRight);
    option.setAlignment((farsi ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignAbsolute);
    m_text->document()->setDefaultTextOption(option);
    showWorking();
}

void WorkingDialog::showWorking()
{
    std::string text;
    try {
        text = WorkingText(DeriveBalance(m_reaction), m_language);
    } catch (const InvalidReaction &e) {
        // Nothing to derive: say why, as the status bar does.
        text = MessageWithCause(TextId::InvalidReaction, e.fault(), m_language, MessagePart::Whole);
    }
    m_text->setPlainText(QString::fromStdString(text));
}

} // namespace molvane
