#include "ui/dialogs/OptionsDialog.h"

#include "document/Templates.h"
#include "export/FontConversion.h"
#include "ui/UiText.h"
#include "ui/dialogs/FontsPage.h"
#include "ui/dialogs/GridPage.h"
#include "ui/dialogs/OptionsFields.h"

#include <QBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

namespace molvane {

OptionsDialog::OptionsDialog(QWidget *parent)
    : BilingualDialog(TextId::OptionsDialogTitle, parent)
{
    setObjectName("OpsForm");
    setLayoutDirection(Qt::LeftToRight);

    m_pages = new QTabWidget(this);
    m_fontsPage = new FontsPage(texts());
    m_gridPage = new GridPage(texts());
    m_pages->addTab(m_fontsPage, {});
    m_pages->addTab(m_gridPage, {});
    texts().addText(
        TextId::FontsPage, [this](const QString &text) { m_pages->setTabText(0, text); });
    texts().addText(
        TextId::GridPage, [this](const QString &text) { m_pages->setTabText(1, text); });
    connect(m_gridPage, &GridPage::inputRefused, this, &OptionsDialog::inputRefused);

    m_defaultButton = new QPushButton(this);
    m_defaultButton->setObjectName("Def");
    m_okButton = new QPushButton(this);
    m_okButton->setObjectName("OK");
    m_cancelButton = new QPushButton(this);
    m_cancelButton->setObjectName("Cancel");
    texts().addCaption(m_defaultButton, TextId::DefaultCaption);
    texts().addHint(m_defaultButton, TextId::DefaultHint);
    texts().addCaption(m_okButton, TextId::OkCaption);
    texts().addHint(m_okButton, TextId::OkHint);
    texts().addCaption(m_cancelButton, TextId::CancelCaption);
    texts().addHint(m_cancelButton, TextId::CancelHint);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_defaultButton);
    buttons->addStretch();
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_cancelButton);
    for (QPushButton *button : { m_defaultButton, m_okButton, m_cancelButton }) {
        // Enter in a field must not close the dialog by surprise.
        button->setAutoDefault(false);
    }
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 6, 8);
    layout->addWidget(m_pages);
    layout->addLayout(buttons);

    m_redrawTimer = new QTimer(this);
    m_redrawTimer->setSingleShot(true);
    m_redrawTimer->setInterval(100);
    connect(m_redrawTimer, &QTimer::timeout, this, &OptionsDialog::redrawDue);
    connect(m_okButton, &QPushButton::clicked, this, [this] { applyAndClose(OptionsResult::OK); });
    connect(m_defaultButton, &QPushButton::clicked, this,
        [this] { applyAndClose(OptionsResult::Default); });
    connect(
        m_cancelButton, &QPushButton::clicked, this, [this] { done(int(OptionsResult::Cancel)); });

    setEnglishCaptions();
}

OptionsResult OptionsDialog::execute(Document &document)
{
    m_target = &document;
    load(document);
    const int result = exec();
    m_target = nullptr;
    return result == int(OptionsResult::OK)     ? OptionsResult::OK
        : result == int(OptionsResult::Default) ? OptionsResult::Default
                                                : OptionsResult::Cancel;
}

void OptionsDialog::load(const Document &document)
{
    setFont(ToQFont(document.fonts[ProgramFont]));
    m_fontsPage->load(document);
    m_gridPage->load(document);
    fitToFont();
}

void OptionsDialog::applyAndClose(OptionsResult result)
{
    if (m_target) {
        // The grid page sizes rows by the grid font the fonts page has just applied.
        m_fontsPage->applyTo(*m_target);
        m_gridPage->applyTo(*m_target);
    }
    m_redrawTimer->start();
    done(int(result));
}

void OptionsDialog::languageChanged(UiLanguage)
{
    fitToFont();
}

void OptionsDialog::showEvent(QShowEvent *event)
{
    // Polishing on the first show can still change the pages' sizes.
    fitToFont();
    BilingualDialog::showEvent(event);
}

void OptionsDialog::fitToFont()
{
    m_fontsPage->fitToFont();
    m_gridPage->fitToFont();
    for (QPushButton *button : { m_defaultButton, m_okButton, m_cancelButton })
        button->setMinimumSize(FontScaled(this, 75), FontScaled(this, 25));
    // The dialog keeps its size unless its font or the texts of its language need more room.
    // Every page is laid out as if shown first, so that showing it later widens nothing.
    const int shown = m_pages->currentIndex();
    for (int page = 0; page < m_pages->count(); ++page) {
        m_pages->setCurrentIndex(page);
        m_pages->widget(page)->ensurePolished();
        layout()->activate();
    }
    m_pages->setCurrentIndex(shown);
    layout()->activate();
    setFixedSize(sizeHint().expandedTo(minimumSizeHint()).expandedTo(QSize(BaseWidth, BaseHeight)));
}

QString RememberAsTemplate(const Document &document, const TemplateDirs &dirs, UiLanguage language)
{
    if (WriteTemplate(document, dirs))
        return {};
    return UiString(TextId::TemplateNotWritten, language);
}

} // namespace molvane
