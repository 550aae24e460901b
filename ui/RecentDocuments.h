#pragma once

#include <QStringList>

class QSettings;

namespace molvane {

/// The documents opened or saved last, newest first, as the File menu lists them.
class RecentDocuments
{
public:
    static constexpr int MaxCount = 6;

    /// The list as the settings store holds it now, with what other instances wrote to it;
    /// absent, it is empty.
    void read(QSettings &settings);

    /// @p path to the front; it is not listed twice, and the oldest beyond MaxCount goes.
    /// The change is merged into the stored list and written at once, so that two windows
    /// never lose each other's entries.
    void add(QSettings &settings, const QString &path);
    void remove(QSettings &settings, const QString &path);

    const QStringList &paths() const { return m_paths; }

private:
    void write(QSettings &settings) const;

    QStringList m_paths;
};

/// The File menu's caption of the recent document @p path, numbered @p number (its access
/// key): its file name, with "&" doubled so it shows as itself, kept in its own order in Farsi.
QString RecentEntryCaption(int number, const QString &path);

} // namespace molvane
