#include "grid/BalanceFill.h"

namespace molvane {

void FillGridFromBalance(GridModel &grid, const BalancedReaction &balanced)
{
    const int substances = int(balanced.formulas.size());
    grid.setRowCount(substances + 1);
    for (int k = 0; k < grid.colCount(); ++k)
        if (grid.typeOf(k) == SubstanceFormulaType)
            for (int i = 0; i < substances; ++i)
                grid.setCell(k, i + 1, balanced.formulas[i]);
    for (int k = 0; k < grid.colCount(); ++k)
        if (grid.typeOf(k) == SubstanceNumberType)
            for (int i = 0; i < substances; ++i)
                grid.setCell(k, i + 1, balanced.coefficients[i]);
    for (int k = 0; k < grid.colCount(); ++k) {
        if (grid.typeOf(k) != AtomicWeightType)
            continue;
        for (int i = 0; i < substances; ++i) {
            if (!balanced.weights[i])
                return;
            grid.setCell(k, i + 1, *balanced.weights[i]);
        }
    }
}

} // namespace molvane
