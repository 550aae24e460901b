#pragma once

#include <QListWidget>

namespace molvane {

/// A list box whose selected entry can be moved and deleted; the Options dialog's item and
/// formula lists.
class ReorderableListWidget : public QListWidget
{
    Q_OBJECT

public:
    explicit ReorderableListWidget(QWidget *parent = nullptr);

    /// The entries, first to last.
    QStringList entries() const;
    /// Replaces every entry; none is selected afterwards.
    void setEntries(const QStringList &entries);
    /// The selected entry's position, or -1.
    int selectedIndex() const;

    /// Moves the selected entry @p steps towards the top, stopping at it; it stays selected.
    void moveSelectedUp(int steps);
    /// Moves the selected entry @p steps towards the bottom, stopping at it.
    void moveSelectedDown(int steps);
    /// Removes the selected entry and selects the one now in its place, or the new last one.
    void deleteSelected();

private:
    void moveSelectedTo(int index);
};

} // namespace molvane
