#pragma once

#include <QStringList>

class QSettings;

namespace molvane {

/// The documents opened or saved last, newest first, as the File menu lists them.
class RecentDocuments
{
public:
    static constexpr int MaxCount = 6;

    /// The list as the settings store holds it; absent, it is empty.
    void read(QSettings &settings);
    void write(QSettings &settings) const;

    /// @p path to the front; it is not listed twice, and the oldest beyond MaxCount goes.
    void add(const QString &path);
    void remove(const QString &path);

    const QStringList &paths() const { return m_paths; }

private:
    QStringList m_paths;
};

} // namespace molvane
