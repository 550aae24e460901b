// File > Print: Qt's preview, whose Print button opens the print dialog, with a check box that
// appends the working to the pages.
#include "ui/MainWindow.h"

#include "export/DocumentPrint.h"
#include "ui/Settings.h"
#include "ui/UiText.h"
#include "widgets/SubstanceGrid.h"

#include <QAction>
#include <QCheckBox>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>
#include <QToolBar>

namespace molvane {

void MainWindow::printDocument()
{
    m_grid->commitEdit(); // a cell being typed into is part of the pages
    QPrinter printer;
    printer.setDocName(windowTitle());
    QPrintPreviewDialog preview(&printer, this);
    preview.setObjectName("PrintPreview");
    auto *working = new QCheckBox(UiString(TextId::HtmlWithWorking), &preview);
    working->setObjectName("WithWorking");
    working->setChecked(ReadHtmlWorking(m_settings));
    // First in the tool bar, where a narrow window does not fold it away.
    if (auto *tools = preview.findChild<QToolBar *>(); tools && !tools->actions().isEmpty()) {
        QAction *first = tools->actions().constFirst();
        tools->insertWidget(first, working);
        tools->insertSeparator(first);
    }
    connect(working, &QCheckBox::toggled, &preview, [&preview] {
        if (auto *pages = preview.findChild<QPrintPreviewWidget *>())
            pages->updatePreview();
    });
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [&](QPrinter *target) {
        // A printer picked in the dialog comes with its own resolution.
        target->setResolution(PrintResolution);
        PrintDocument(*target, m_history.document(), CurrentUiLanguage(), windowTitle(),
            pageWorking(working->isChecked()));
    });
    // Wide enough for the whole tool bar, Print included, and a readable page.
    preview.resize(QSize(980, 760).boundedTo(screen()->availableSize()));
    preview.exec();
    WriteHtmlWorking(m_settings, working->isChecked());
}

} // namespace molvane
