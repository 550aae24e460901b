#include "ui/RecentDocuments.h"

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
    m_paths.clear();
    for (const QString &path : settings.value(SettingsKey).toStringList()) {
        if (!path.isEmpty() && !m_paths.contains(path) && m_paths.size() < MaxCount)
            m_paths.append(path);
    }
}

void RecentDocuments::write(QSettings &settings) const
{
    settings.setValue(SettingsKey, m_paths);
}

void RecentDocuments::add(const QString &path)
{
    const QString name = absolute(path);
    m_paths.removeAll(name);
    m_paths.prepend(name);
    while (m_paths.size() > MaxCount)
        m_paths.removeLast();
}

void RecentDocuments::remove(const QString &path)
{
    m_paths.removeAll(absolute(path));
}

} // namespace molvane
