#pragma once

#include <QStatusBar>

namespace molvane {

/// A status bar whose messages start on the reading side: at the right edge in a
/// right-to-left window, where QStatusBar leaves them at the left. It holds messages only,
/// no widgets of its own.
class StatusBar : public QStatusBar
{
    Q_OBJECT

public:
    using QStatusBar::QStatusBar;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace molvane
