#include "widgets/CompositionTip.h"

#include "core/Composition.h"
#include "core/Errors.h"
#include "texts/Texts.h"

#include <QStringList>

namespace molvane {

namespace {

QString tableRow(const QStringList &cells, const char *tag)
{
    QString row = "<tr>";
    for (const QString &cell : cells)
        row += QString("<%1>%2</%1>").arg(tag, cell.toHtmlEscaped());
    return row + "</tr>";
}

} // namespace

QString CompositionTip(std::string_view formula, UiLanguage language)
{
    Composition composition;
    try {
        composition = FormulaComposition(formula);
    } catch (const InvalidReaction &) {
        return {};
    }
    const QString header = QString::fromUtf8(Text(TextId::CompositionHeader, language));
    QString tip = "<table cellspacing=\"4\">" + tableRow(header.split('\t'), "th");
    for (const ElementShare &share : composition.elements)
        tip += tableRow(QString::fromStdString(ShareLine(share)).split('\t'), "td");
    return tip + "</table>";
}

} // namespace molvane
