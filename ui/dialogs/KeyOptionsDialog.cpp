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
    m_kp = addEdit("KP", "+", 16);
    m_kop = addEdit("KOP", "(", 40);
    m_kcp = addEdit("KCP", ")", 64);
    m_kf = addEdit("KF", {}, 88);
    m_chb = new QCheckBox(this);
    m_chb->setObjectName("ChB");
    m_chb->setGeometry(8, 120, 161, 17);
    addCaption(m_chb, TextId::AutoIdentification);

    setKeyOptions(KeyOptions {});
    SetEnglishCaptions();
}

KeyOptions KeyOptionsDialog::keyOptions() const
{
    KeyOptions options;
    options.KP = toList(m_kp->text());
    options.KOP = toList(m_kop->text());
    options.KCP = toList(m_kcp->text());
    options.KF = toList(m_kf->text());
    options.ChB = m_chb->isChecked();
    return options;
}

void KeyOptionsDialog::setKeyOptions(const KeyOptions &options)
{
    m_kp->setText(fromList(options.KP));
    m_kop->setText(fromList(options.KOP));
    m_kcp->setText(fromList(options.KCP));
    m_kf->setText(fromList(options.KF));
    m_chb->setChecked(options.ChB);
}

void KeyOptionsDialog::aboutToShow()
{
    m_kp->setFocus();
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
    const int width = std::max(BaseWidth, 8 + m_chb->sizeHint().width() + 6);
    for (QLineEdit *edit : { m_kp, m_kop, m_kcp, m_kf })
        edit->resize(width - 38, edit->height());
    m_chb->resize(width - 14, m_chb->height());
    setFixedSize(width, BaseHeight);
}

} // namespace molvane
