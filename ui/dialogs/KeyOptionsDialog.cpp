#include "ui/dialogs/KeyOptionsDialog.h"

#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QValidator>

#include <algorithm>

namespace molvane {

namespace {

// The editor works on single-byte characters and the settings store keeps the lists as
// Latin-1; a wider character would come back as "?" and make "?" type an operator.
class SingleByteValidator : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override
    {
        for (const QChar c : input)
            if (c.unicode() > 0xFF)
                return Invalid;
        return Acceptable;
    }
};

std::string toList(const QString &text)
{
    return text.toLatin1().toStdString();
}

QString fromList(const std::string &list)
{
    return QString::fromLatin1(list.data(), qsizetype(list.size()));
}

// The reaction arrow: a black right-pointing arrow on a transparent ground.
QPixmap arrowPicture()
{
    QPixmap picture(16, 14);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 2));
    painter.drawLine(QPointF(1, 7), QPointF(11, 7));
    QPainterPath head;
    head.moveTo(15, 7);
    head.lineTo(9, 2);
    head.lineTo(9, 12);
    head.closeSubpath();
    painter.fillPath(head, Qt::black);
    return picture;
}

} // namespace

KeyOptionsDialog::KeyOptionsDialog(QWidget *parent)
    : BilingualDialog(TextId::KeyOptionsDialogTitle, parent)
{
    setObjectName("KOForm");
    // Only the two captions follow the interface language; the layout stays as it is.
    setLayoutDirection(Qt::LeftToRight);
    setFixedSize(BaseWidth, BaseHeight);

    const auto addEdit = [this](const char *name, const QString &sign, int top) {
        if (!sign.isEmpty()) {
            auto *label = new QLabel(sign, this);
            label->move(8, top + 3);
        } else {
            auto *picture = new QLabel(this);
            picture->setPixmap(arrowPicture());
            picture->setGeometry(8, top + 4, 16, 14);
        }
        auto *edit = new QLineEdit(this);
        edit->setObjectName(name);
        edit->setGeometry(32, top, 137, 21);
        edit->setValidator(new SingleByteValidator(edit));
        return edit;
    };
    // Created in tab order.
    m_plusKeys = addEdit("KP", "+", 16);
    m_openKeys = addEdit("KOP", "(", 40);
    m_closeKeys = addEdit("KCP", ")", 64);
    m_arrowKeys = addEdit("KF", {}, 88);
    m_autoIdentify = new QCheckBox(this);
    m_autoIdentify->setObjectName("ChB");
    m_autoIdentify->setGeometry(8, 120, 161, 17);
    texts().addCaption(m_autoIdentify, TextId::AutoIdentification);

    setKeyOptions(KeyOptions {});
    setEnglishCaptions();
}

KeyOptions KeyOptionsDialog::keyOptions() const
{
    KeyOptions options;
    options.plusKeys = toList(m_plusKeys->text());
    options.openKeys = toList(m_openKeys->text());
    options.closeKeys = toList(m_closeKeys->text());
    options.arrowKeys = toList(m_arrowKeys->text());
    options.autoIdentify = m_autoIdentify->isChecked();
    return options;
}

void KeyOptionsDialog::setKeyOptions(const KeyOptions &options)
{
    m_plusKeys->setText(fromList(options.plusKeys));
    m_openKeys->setText(fromList(options.openKeys));
    m_closeKeys->setText(fromList(options.closeKeys));
    m_arrowKeys->setText(fromList(options.arrowKeys));
    m_autoIdentify->setChecked(options.autoIdentify);
}

void KeyOptionsDialog::aboutToShow()
{
    m_plusKeys->setFocus();
}

void KeyOptionsDialog::languageChanged(UiLanguage)
{
    fitCaption();
}

void KeyOptionsDialog::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitCaption();
}

void KeyOptionsDialog::fitCaption()
{
    // The dialog keeps its size unless the program font's caption would be cut off; then it
    // widens just enough, and the edits with it.
    const int width = std::max(BaseWidth, 8 + m_autoIdentify->sizeHint().width() + 6);
    for (QLineEdit *edit : { m_plusKeys, m_openKeys, m_closeKeys, m_arrowKeys })
        edit->resize(width - 38, edit->height());
    m_autoIdentify->resize(width - 14, m_autoIdentify->height());
    setFixedSize(width, BaseHeight);
}

} // namespace molvane
