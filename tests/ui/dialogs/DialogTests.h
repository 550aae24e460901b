#pragma once

#include "document/QtText.h"
#include "texts/Texts.h"

#include <QObject>
#include <QString>

#include <memory>

/// The text of @p id in the table, as the dialogs show it.
inline QString qCaption(molvane::TextId id, molvane::UiLanguage language)
{
    return molvane::ToQString(molvane::Text(id, language));
}

// Each dialog's test object runs from one program; these make them.
std::unique_ptr<QObject> newKeyOptionsDialogTest();
std::unique_ptr<QObject> newAboutDialogTest();
std::unique_ptr<QObject> newOptionsDialogTest();
