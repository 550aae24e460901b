#include "ui/RecentDocuments.h"

#include "ui/Settings.h"
#include "ui/UiText.h"

#include <QFileInfo>
#include <QSettings>

namespace molvane {

namespace {

constexpr const char *SettingsKey = "Recent";

// One document under one name, however it was reached.
QString absolute(const QString &path)
{
    return QFileInfo(path).absoluteFilePath();
}

} // namespace

void RecentDocuments::read(QSettings &settings)
{
    settings.sync();
    m_paths.clear();
    for (const QString &path : settings.value(SettingsKey).toStringList()) {
        if (!path.isEmpty() && !m_paths.contains(path) && m_paths.size() < MaxCount)
            m_paths.append(path);
    }
}

void RecentDocuments::write(QSettings &settings) const
{
    settings.setValue(SettingsKey, m_paths);
    SyncSettings(settings);
}

void RecentDocuments::add(QSettings &settings, const QString &path)
{
    read(settings);
    const QString name = absolute(path);
    m_paths.removeAll(name);
    m_paths.prepend(name);
    while (m_paths.size() > MaxCount)
        m_paths.removeLast();
    write(settings);
}

void RecentDocuments::remove(QSettings &settings, const QString &path)
{
    read(settings);
    m_paths.removeAll(absolute(path));
    write(settings);
}

QString RecentEntryCaption(int number, const QString &path)
{
    QString name = QFileInfo(path).fileName();
    name.replace('&', "&&");
    return QString("&%1 %2").arg(number).arg(PathInText(name));
}

} // namespace molvane
