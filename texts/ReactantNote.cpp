#include "texts/ReactantNote.h"

#include "texts/FaultTexts.h"
#include "texts/Texts.h"

namespace molvane {

namespace {

std::string reactantName(const GridModel &grid, int row)
{
    for (int col = 0; col < grid.colCount(); ++col)
        if (grid.typeOf(col) == SubstanceFormulaType && !grid.cell(col, row).empty())
            return grid.cell(col, row);
    return std::to_string(row);
}

} // namespace

std::string ReactantNote(const GridModel &grid, const ReactantOutcome &outcome, UiLanguage language)
{
    switch (outcome.kind) {
    case ReactantOutcome::Kind::OneGiven:
        return {};
    case ReactantOutcome::Kind::Undecided:
        return std::string(Text(TextId::NoLimitingReactant, language));
    case ReactantOutcome::Kind::Limiting:
        break;
    }
    std::string left;
    for (const LeftOver &rest : outcome.leftOvers) {
        if (!left.empty())
            left += language == UiLanguage::Farsi ? "، " : ", ";
        left += FillIn(Text(TextId::LeftOver, language),
            { reactantName(grid, rest.row), rest.amount, grid.itemName(rest.col) });
    }
    return FillIn(Text(TextId::LimitingReactant, language),
        { reactantName(grid, outcome.limitingRow), left });
}

} // namespace molvane
