#include "ui/dialogs/OptionsFields.h"

#include "document/Windows1256.h"
#include "widgets/InputRulesValidator.h"

#include <QLineEdit>
#include <QToolButton>

#include <algorithm>

namespace molvane {

QLineEdit *newDigitsField(QWidget *parent, int width)
{
    auto *field = new QLineEdit(parent);
    // Persian and Arabic-Indic digits become 0-9, as in the grid's cells.
    field->setValidator(new InputRulesValidator(TextField::Number, Windows1256Has, field));
    field->setFixedWidth(width);
    return field;
}

QToolButton *newSquareButton(QWidget *parent, const char *name, int side)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setFixedSize(side, side);
    return button;
}

int FontScaled(const QWidget *widget, int pixels)
{
    constexpr int DesignLineHeight = 13;
    const int line = std::max(widget->fontMetrics().height(), DesignLineHeight);
    return (pixels * line + DesignLineHeight / 2) / DesignLineHeight;
}

} // namespace molvane
