#pragma once

#include "ui/dialogs/BilingualDialog.h"

#include <string>

class QPlainTextEdit;
class QTabWidget;

namespace molvane {

/// The working of a balance, step by step, and on a second page its half-reactions, each in a
/// read-only text the user can select and copy (Ctrl+Tab turns the page). It stays open beside
/// the main window and follows the interface language.
class WorkingDialog : public BilingualDialog
{
    Q_OBJECT

public:
    explicit WorkingDialog(QWidget *parent = nullptr);

    /// Shows the working of @p normalisedReaction, a text as Balance reads it.
    void setReaction(const std::string &normalisedReaction);

    /// The working as shown.
    QString working() const;

    /// The half-reactions as shown.
    QString halfReactions() const;

private:
    void languageChanged(UiLanguage language) override;
    void showWorking();

    QTabWidget *m_pages = nullptr;
    QPlainTextEdit *m_text = nullptr;
    QPlainTextEdit *m_redox = nullptr;
    std::string m_reaction;
    UiLanguage m_language = UiLanguage::English;
};

} // namespace molvane
