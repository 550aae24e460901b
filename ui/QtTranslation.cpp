#include "ui/QtTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

#include <memory>

namespace molvane {

bool UseQtTranslation(UiLanguage language)
{
    static QPointer<QTranslator> farsi;
    if (farsi)
        QCoreApplication::removeTranslator(farsi);
    if (language == UiLanguage::English)
        return true;
    if (!farsi) {
        auto loaded = std::make_unique<QTranslator>();
        if (!loaded->load("qtbase_fa", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            return false;
        loaded->setParent(QCoreApplication::instance());
        farsi = loaded.release();
    }
    return QCoreApplication::installTranslator(farsi);
}

} // namespace molvane
