#include "ui/MessageBox.h"
#include "ui/UiText.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>

namespace molvane {

namespace {

MessageBoxHook g_hook;

TextId titleOf(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Warning:
        return TextId::WarningTitle;
    case MessageKind::Error:
        return TextId::ErrorTitle;
    case MessageKind::Information:
        return TextId::InformationTitle;
    case MessageKind::Confirmation:
        break;
    }
    return TextId::ConfirmationTitle;
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
    TextId label;
};

constexpr ButtonEntry ButtonOrder[] = {
    { MessageButton::Yes, TextId::YesButton },
    { MessageButton::No, TextId::NoButton },
    { MessageButton::Ok, TextId::OkButton },
    { MessageButton::Cancel, TextId::CancelButton },
};

MessageButton escapeButton(MessageButtons buttons)
{
    for (const MessageButton b : { MessageButton::Cancel, MessageButton::No, MessageButton::Ok })
        if (buttons.testFlag(b))
            return b;
    return MessageButton::Yes;
}

// The buttons sit centred in a row of their own below the icon and the text.
void centerButtons(QMessageBox &box)
{
    auto *row = box.findChild<QDialogButtonBox *>();
    auto *grid = qobject_cast<QGridLayout *>(box.layout());
    if (!row || !grid)
        return;
    row->setCenterButtons(true);
    const int index = grid->indexOf(row);
    if (index < 0)
        return;
    int line = 0, column = 0, lines = 0, columns = 0;
    grid->getItemPosition(index, &line, &column, &lines, &columns);
    grid->removeWidget(row);
    grid->addWidget(row, line, 0, lines, grid->columnCount());
}

} // namespace

void SetMessageBoxHook(MessageBoxHook hook)
{
    g_hook = std::move(hook);
}

MessageButton ShowMessageBox(const QString &message, MessageKind kind, MessageButtons buttons)
{
    if (g_hook)
        return g_hook(message, kind, buttons);

    QMessageBox box(iconOf(kind), UiString(titleOf(kind)),
        MessageInText(QString(message).replace('\r', '\n')), QMessageBox::NoButton,
        QApplication::activeWindow());
    // An address or a file name in a message can be copied from it.
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    std::vector<std::pair<QAbstractButton *, MessageButton>> made;
    for (const ButtonEntry &entry : ButtonOrder) {
        if (!buttons.testFlag(entry.button))
            continue;
        // One role for all, so no platform layout reorders them: Yes, No, OK, Cancel.
        QPushButton *button = box.addButton(UiString(entry.label), QMessageBox::ActionRole);
        made.emplace_back(button, entry.button);
        const bool hasOk = buttons.testFlag(MessageButton::Ok);
        if (entry.button == (hasOk ? MessageButton::Ok : MessageButton::Yes))
            box.setDefaultButton(button);
        if (entry.button == escapeButton(buttons))
            box.setEscapeButton(button);
    }
    if (CurrentUiLanguage() == UiLanguage::Farsi)
        box.setLayoutDirection(Qt::RightToLeft);
    centerButtons(box);
    QApplication::beep();
    box.exec();
    for (const auto &[button, answer] : made)
        if (box.clickedButton() == button)
            return answer;
    return escapeButton(buttons);
}

} // namespace molvane
