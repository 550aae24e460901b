#include "ui/dialogs/OptionsFields.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QToolButton>

namespace molvane {

QLineEdit *newDigitsField(QWidget *parent, int width)
{
    auto *field = new QLineEdit(parent);
    field->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), field));
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

} // namespace molvane
