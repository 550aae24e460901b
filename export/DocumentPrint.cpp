#include "export/DocumentPrint.h"

#include "document/DocumentFiles.h"
#include "document/DocumentFormat.h"
#include "export/BitmapExport.h"
#include "export/FontConversion.h"
#include "export/PageFlow.h"
#include "texts/Texts.h"
#include "texts/WorkingText.h"

#include <QBuffer>
#include <QFontMetrics>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextOption>

#include <algorithm>

namespace molvane {

namespace {

constexpr int Gap = 12;

// What of the table and the working one page holds.
struct PagePlan
{
    PageRange rows; ///< body rows, counted from the first below the header
    PageRange lines; ///< working lines
};

class PagePainter
{
public:
    PagePainter(QPagedPaintDevice &device, const Document &document, UiLanguage language,
        const QString &title, const std::optional<PageWorking> &working)
        : m_device(device)
        , m_document(document)
        , m_language(language)
        , m_title(title)
        , m_picture(document, language)
        , m_textFont(ToQFont(document.fonts[GridFont]))
    {
        if (working) {
            const std::string_view heading = Text(TextId::WorkingTitle, working->language);
            m_lines << QString::fromUtf8(heading.data(), qsizetype(heading.size()));
            m_lines << QString::fromStdString(
                ReactionWorkingText(working->reaction, working->language))
                           .split('\n');
            while (!m_lines.isEmpty() && m_lines.last().isEmpty())
                m_lines.removeLast();
        }
    }

    void paint()
    {
        QPainter painter;
        if (!painter.begin(&m_device))
            throw DocumentWriteError("the pages could not be started");
        setScale(painter);
        const std::vector<PagePlan> plan = planPages(painter);
        for (std::size_t page = 0; page < plan.size(); ++page) {
            if (page > 0)
                m_device.newPage();
            int y = paintHeader(painter, int(page) + 1, int(plan.size()));
            if (page == 0)
                y = paintReaction(painter, y);
            y = paintRows(painter, plan[page].rows, y);
            paintLines(painter, plan[page].lines, y);
        }
        painter.end();
    }

private:
    bool farsi() const { return m_language == UiLanguage::Farsi; }

    // The device counts screen pixels, so fonts measure on paper as on the screen; a picture
    // wider than the page is shrunk to its width.
    void setScale(QPainter &painter)
    {
        const int contentWidth = std::max(m_picture.reactionSize().width(), tableWidth());
        const double scale
            = contentWidth > m_device.width() ? double(m_device.width()) / contentWidth : 1.0;
        painter.scale(scale, scale);
        m_width = int(m_device.width() / scale);
        m_height = int(m_device.height() / scale);
    }

    // Neighbouring columns share their border lines.
    int tableWidth() const
    {
        int width = 1;
        for (int col = 0; col < m_document.grid.colCount(); ++col)
            width += std::max(m_document.grid.colWidth(col), 0) - 1;
        return std::max(width, 0);
    }

    int headerHeight() const { return QFontMetrics(m_textFont, &m_device).height() + Gap; }

    std::vector<int> rowHeights() const
    {
        std::vector<int> heights;
        heights.reserve(std::size_t(std::max(m_document.grid.rowCount(), 0)));
        for (int row = 0; row < m_document.grid.rowCount(); ++row)
            heights.push_back(m_document.grid.rowHeight(row));
        return heights;
    }

    std::vector<PagePlan> planPages(QPainter &painter) const
    {
        const int pageSpace = m_height - headerHeight();
        const int firstSpace = pageSpace - m_picture.reactionSize().height() - Gap;
        const TableHeights table = TableFlowHeights(rowHeights());
        const PageFlow rows = table.header > 0
            ? FlowDownPages(table.body, table.header, firstSpace - Gap, pageSpace)
            : PageFlow { { {} }, firstSpace };
        std::vector<PagePlan> plan;
        for (const PageRange &range : rows.pages)
            plan.push_back({ range, {} });
        if (m_lines.isEmpty())
            return plan;
        const int lineHeight = QFontMetrics(m_textFont, painter.device()).height();
        const std::vector<int> lines(std::size_t(m_lines.size()), lineHeight);
        const PageFlow flow = FlowDownPages(lines, 0, rows.spaceLeft - Gap, pageSpace);
        plan.back().lines = flow.pages.front();
        for (std::size_t page = 1; page < flow.pages.size(); ++page)
            plan.push_back({ {}, flow.pages[page] });
        return plan;
    }

    // A line of text at the page's start edge, or at its end edge with @p atEnd. Farsi lines
    // read from the right, each formula in them still from the left, as on the web page.
    void paintLine(QPainter &painter, int y, const QString &text, bool atEnd = false) const
    {
        const bool right = farsi() != atEnd;
        QTextOption option((right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignAbsolute);
        option.setWrapMode(QTextOption::NoWrap);
        option.setTextDirection(
            farsi() || text.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
        painter.drawText(QRectF(0, y, m_width, painter.fontMetrics().height()), text, option);
    }

    int paintHeader(QPainter &painter, int page, int pages) const
    {
        painter.setFont(m_textFont);
        painter.setPen(Qt::black);
        paintLine(painter, 0, m_title);
        paintLine(painter, 0, QString("%1 / %2").arg(page).arg(pages), true);
        const int rule = painter.fontMetrics().height() + Gap / 2;
        painter.drawLine(0, rule, m_width, rule);
        return headerHeight();
    }

    // The start edge of something @p width wide.
    int startX(int width) const { return farsi() ? m_width - width : 0; }

    int paintReaction(QPainter &painter, int y) const
    {
        const QSize size = m_picture.reactionSize();
        m_picture.paintReaction(painter, QPoint(startX(size.width()), y));
        return y + size.height() + Gap;
    }

    int paintRows(QPainter &painter, PageRange range, int y) const
    {
        if (m_document.grid.rowCount() == 0)
            return y;
        std::vector<int> rows { 0 };
        for (int row = range.first; row < range.end; ++row)
            rows.push_back(row + 1);
        if (rows.size() == 1 && m_document.grid.rowCount() > 1)
            return y; // the whole table is on the following pages
        return y
            + PaintGridRows(painter, m_document, m_language, QPoint(startX(tableWidth()), y), rows)
            + Gap;
    }

    void paintLines(QPainter &painter, PageRange range, int y) const
    {
        painter.setFont(m_textFont);
        painter.setPen(Qt::black);
        const int height = painter.fontMetrics().height();
        for (int line = range.first; line < range.end; ++line, y += height)
            paintLine(painter, y, m_lines[line]);
    }

    QPagedPaintDevice &m_device;
    const Document &m_document;
    UiLanguage m_language;
    QString m_title;
    DocumentPicture m_picture;
    QFont m_textFont;
    QStringList m_lines;
    int m_width = 0;
    int m_height = 0;
};

} // namespace

void PrintDocument(QPagedPaintDevice &device, const Document &document, UiLanguage language,
    const QString &title, const std::optional<PageWorking> &working)
{
    PagePainter(device, document, language, title, working).paint();
}

void WritePdf(QIODevice &device, const Document &document, UiLanguage language,
    const QString &title, const std::optional<PageWorking> &working)
{
    // Made whole first: the writer says nothing of a write that failed.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        pdf.setResolution(PrintResolution);
        pdf.setTitle(title);
        pdf.setCreator("Molvane");
        PrintDocument(pdf, document, language, title, working);
    }
    if (device.write(buffer.data()) != buffer.size())
        throw DocumentWriteError(device.errorString().toStdString());
}

void ExportPdf(const QString &path, const Document &document, UiLanguage language,
    const QString &title, const std::optional<PageWorking> &working)
{
    WriteFileReplacing(path, [&](QIODevice &file) {
        WritePdf(file, document, language, title, working);
        return true;
    });
}

QString WithPdfExtension(const QString &name)
{
    return WithExtension(name, ".pdf");
}

} // namespace molvane
