#pragma once

#include <QFlags>
#include <QString>

#include <functional>

namespace molvane {

enum class MessageKind { Warning, Error, Information, Confirmation };

enum class MessageButton { Yes = 1, No = 2, Ok = 4, Cancel = 8 };
Q_DECLARE_FLAGS(MessageButtons, MessageButton)
Q_DECLARE_OPERATORS_FOR_FLAGS(MessageButtons)

/// Shows @p text in a modal box of @p kind with the buttons asked for, in the order Yes, No,
/// OK, Cancel, in the current language. Returns the button pressed; closing the box answers
/// Cancel where there is one, else No, else OK, never Yes.
MessageButton ShowMessageBox(const QString &text, MessageKind kind, MessageButtons buttons);

/// Replaces the box for tests, which record the question and give the answer.
using MessageBoxHook = std::function<MessageButton(const QString &, MessageKind, MessageButtons)>;
void SetMessageBoxHook(MessageBoxHook hook);

} // namespace molvane
