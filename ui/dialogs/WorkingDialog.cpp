#include "ui/dialogs/WorkingDialog.h"

#include "texts/RedoxText.h"
#include "texts/WorkingText.h"

#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTextDocument>
#include <QTextOption>
#include <QVBoxLayout>

namespace molvane {

namespace {

QPlainTextEdit *readOnlyText(const char *name, QWidget *parent)
{
    auto *text = new QPlainTextEdit(parent);
    text->setObjectName(name);
    text->setReadOnly(true);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    return text;
}

// The lines start from the side they are read from.
void setDirection(QPlainTextEdit *text, bool farsi)
{
    QTextOption option = text->document()->defaultTextOption();
    option.setTextDirection(farsi ? Qt::RightToLeft : Qt::LeftToRight);
    option.setAlignment((farsi ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignAbsolute);
    text->document()->setDefaultTextOption(option);
}

} // namespace

WorkingDialog::WorkingDialog(QWidget *parent)
    : BilingualDialog(TextId::WorkingTitle, parent)
{
    setObjectName("WorkingForm");
    setSizeGripEnabled(true);
    m_pages = new QTabWidget(this);
    m_pages->setObjectName("WorkingPages");
    m_text = readOnlyText("Working", m_pages);
    m_redox = readOnlyText("HalfReactions", m_pages);
    m_pages->addTab(m_text, {});
    m_pages->addTab(m_redox, {});
    texts().addText(TextId::WorkingTitle, [this](const QString &t) { m_pages->setTabText(0, t); });
    texts().addText(TextId::RedoxTitle, [this](const QString &t) { m_pages->setTabText(1, t); });
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    resize(560, 440);
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

QString WorkingDialog::halfReactions() const
{
    return m_redox->toPlainText();
}

void WorkingDialog::languageChanged(UiLanguage language)
{
    m_language = language;
    const bool farsi = language == UiLanguage::Farsi;
    setLayoutDirection(farsi ? Qt::RightToLeft : Qt::LeftToRight);
    setDirection(m_text, farsi);
    setDirection(m_redox, farsi);
    showWorking();
}

void WorkingDialog::showWorking()
{
    m_text->setPlainText(QString::fromStdString(ReactionWorkingText(m_reaction, m_language)));
    m_redox->setPlainText(QString::fromStdString(ReactionRedoxText(m_reaction, m_language)));
}

} // namespace molvane
