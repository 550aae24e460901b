#pragma once

class QLineEdit;
class QToolButton;
class QWidget;

namespace molvane {

/// A field of @p width pixels that takes digits only, Persian and Arabic-Indic ones as 0-9.
QLineEdit *newDigitsField(QWidget *parent, int width);
/// A square tool button named @p name.
QToolButton *newSquareButton(QWidget *parent, const char *name, int side);

} // namespace molvane
