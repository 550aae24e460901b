#pragma once

#include "texts/Captions.h"

#include <QObject>
#include <QString>

#include <memory>

/// The text of @p key in the table, as the dialogs show it.
inline QString qCaption(const QString &key, molvane::UiLanguage language)
{
    return QString::fromUtf8(molvane::Caption(key.toStdString(), language).data());
}

// Each dialog's test object runs from one program; these make them.
std::unique_ptr<QObject> newKeyOptionsDialogTest();
std::unique_ptr<QObject> newAboutDialogTest();
std::unique_ptr<QObject> newOptionsDialogTest();
