#include "ui/MessageBox.h"
#include "ui/UiText.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace molvane {

namespace {

UiLanguage g_language = UiLanguage::English;
MessageBoxHook g_hook;

const char *captionKey(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Warning:
        return "MessageBox.Warning";
    case MessageKind::Error:
        return "MessageBox.Error";
    case MessageKind::Information:
        return "MessageBox.Information";
    case MessageKind::Confirmation:
        return "MessageBox.Confirmation";
    }
    return "";
}

QMessageBox::Icon iconOf(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Warning:
        return QMessageBox::Warning;
    case MessageKind::Error:
        return QMessageBox::Critical;
    case MessageKind::Information:
        return QMessageBox::Information;
    case MessageKind::Confirmation:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

struct ButtonEntry
{
    MessageButton button;
    const char *key;
    QMessageBox::ButtonRole role;
};

constexpr ButtonEntry ButtonOrder[] = {
    { Yes, "MessageBox.Yes", QMessageBox::YesRole },
    { No, "MessageBox.No", QMessageBox::NoRole },
    { OK, "MessageBox.OK", QMessageBox::AcceptRole },
    { Cancel, "MessageBox.Cancel", QMessageBox::RejectRole },
};

MessageButton escapeButton(MessageButtons buttons)
{
    for (const MessageButton b : { Cancel, No, OK })
        if (buttons & b)
            return b;
    return Yes;
}

} // namespace

UiLanguage CurrentUiLanguage()
{
    return g_language;
}

void SetCurrentUiLanguage(UiLanguage language)
{
    g_language = language;
}

void SetMessageBoxHook(MessageBoxHook hook)
{
    g_hook = std::move(hook);
}

MessageButton ShowMessageBox(const QString &message, MessageKind kind, MessageButtons buttons)
{
    if (g_hook)
        return g_hook(message, kind, buttons);

    QMessageBox box(iconOf(kind), UiString(captionKey(kind)), QString(message).replace('\r', '\n'),
        QMessageBox::NoButton, QApplication::activeWindow());
    std::vector<std::pair<QAbstractButton *, MessageButton>> made;
    for (const ButtonEntry &entry : ButtonOrder) {
        if (!(buttons & entry.button))
            continue;
        // One role for all, so no platform layout reorders them: Yes, No, OK, Cancel.
        QPushButton *button = box.addButton(UiString(entry.key), QMessageBox::ActionRole);
        made.emplace_back(button, entry.button);
        if (entry.button == ((buttons & OK) ? OK : Yes))
            box.setDefaultButton(button);
        if (entry.button == escapeButton(buttons))
            box.setEscapeButton(button);
    }
    if (g_language == UiLanguage::Farsi)
        box.setLayoutDirection(Qt::RightToLeft);
    QApplication::beep();
    box.exec();
    for (const auto &[button, answer] : made)
        if (box.clickedButton() == button)
            return answer;
    return escapeButton(buttons);
}

void ShowFailureBox(const QString &description)
{
    if (g_hook) {
        g_hook(description, MessageKind::Error, OK);
        return;
    }
    QMessageBox::critical(
        QApplication::activeWindow(), QApplication::applicationDisplayName(), description);
}

} // namespace molvane
