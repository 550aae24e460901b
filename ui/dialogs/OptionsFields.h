#pragma once

class QLineEdit;
class QToolButton;
class QWidget;

namespace molvane {

/// A field of @p width pixels that takes digits only, Persian and Arabic-Indic ones as 0-9.
QLineEdit *newDigitsField(QWidget *parent, int width);
/// A square tool button named @p name.
QToolButton *newSquareButton(QWidget *parent, const char *name, int side);

/// @p pixels, a length laid out for an 8-point line 13 pixels high, grown in proportion to
/// the line height of @p widget's font; never less than @p pixels.
int FontScaled(const QWidget *widget, int pixels);

} // namespace molvane
