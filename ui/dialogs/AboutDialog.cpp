#include "ui/dialogs/AboutDialog.h"

#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPixmap>

namespace molvane {

namespace {

// The application's own icon; until it has one, a plain square with the program's initial
// stands in its place.
QPixmap programIcon()
{
    const QIcon icon = QApplication::windowIcon();
    if (!icon.isNull())
        return icon.pixmap(32, 32);
    QPixmap picture(32, 32);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(0, 0, 128));
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(QRectF(1, 1, 30, 30), 5, 5);
    QFont initial("Times New Roman");
    initial.setBold(true);
    initial.setPixelSize(22);
    painter.setFont(initial);
    painter.setPen(Qt::white);
    painter.drawText(picture.rect(), Qt::AlignCenter, "M");
    return picture;
}

} // namespace

AboutDialog::AboutDialog(QWidget *parent)
    : BilingualDialog(TextId::AboutDialogTitle, parent)
{
    setObjectName("AboutForm");
    setFixedSize(306, 149);

    m_icon = new QLabel(this);
    m_icon->setObjectName("Icon");
    m_icon->setGeometry(32, 24, 32, 32);
    m_icon->setPixmap(programIcon());

    m_title = new QLabel(this);
    m_title->setObjectName("Tit");
    m_title->setGeometry(80, 24, 212, 33);
    QFont titleFont("Times New Roman");
    titleFont.setBold(true);
    titleFont.setPixelSize(21);
    m_title->setFont(titleFont);
    texts().addCaption(m_title, TextId::AboutProgramName);

    m_version = new QLabel(this);
    m_version->setObjectName("Ver");
    m_version->setGeometry(80, 72, 212, 17);
    texts().addCaption(m_version, TextId::AboutVersion);

    setEnglishCaptions();
}

void AboutDialog::languageChanged(UiLanguage language)
{
    // A dialog is a window of its own and does not take the main window's reading order.
    setLayoutDirection(language == UiLanguage::Farsi ? Qt::RightToLeft : Qt::LeftToRight);
    // Right-to-left reading order aligns every text to the right, Latin ones too.
    const Qt::Alignment side
        = Qt::AlignAbsolute | (language == UiLanguage::Farsi ? Qt::AlignRight : Qt::AlignLeft);
    for (QLabel *label : { m_title, m_version })
        label->setAlignment(side | Qt::AlignVCenter);
}

} // namespace molvane
