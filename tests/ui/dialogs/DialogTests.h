#pragma once

#include "texts/Captions.h"

#include <QString>

/// The text of @p key in the table, as the dialogs show it.
inline QString qCaption(const QString &key, molvane::UiLanguage language)
{
    return QString::fromUtf8(molvane::Caption(key.toStdString(), language).data());
}

// Each dialog's test object runs from one program; these run them.
int runKOUTest(int argc, char **argv);
int runAboutUTest(int argc, char **argv);
int runOpsUTest(int argc, char **argv);
