#pragma once

#include "document/QtText.h"
#include "texts/Texts.h"

#include <QString>

/// The text of @p id in the table, as the dialogs show it.
inline QString qCaption(molvane::TextId id, molvane::UiLanguage language)
{
    return molvane::ToQString(molvane::Text(id, language));
}

// Each dialog's test object runs from one program; these run them.
int runKOUTest(int argc, char **argv);
int runAboutUTest(int argc, char **argv);
int runOpsUTest(int argc, char **argv);
