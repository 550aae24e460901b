// A small grid with random names and cells and random formula lines, through Calculate Grid.
// The outcome must equal a plain reading of the command, every pair built and evaluated, press
// after press, and the header row and the grid's shape never change.
#include "PlainGridCalc.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    molvane::GridModel grid;
    grid.setColCount(input.ConsumeIntegralInRange(1, 4));
    grid.setRowCount(input.ConsumeIntegralInRange(2, 5));
    for (int k = 0; k < grid.colCount(); ++k)
        grid.setCell(k, 0, input.ConsumeRandomLengthString(6));
    for (int r = 1; r < grid.rowCount(); ++r)
        for (int k = 0; k < grid.colCount(); ++k)
            grid.setCell(k, r, input.ConsumeRandomLengthString(24));
    std::vector<std::string> formulas;
    while (formulas.size() < 6 && input.remaining_bytes() > 0)
        formulas.push_back(input.ConsumeRandomLengthString(64));

    molvane::GridModel calculated = grid, plain = grid;
    // Two presses with a typed cell changed between them: the second computes again.
    for (int press = 0; press < 2; ++press) {
        molvane::CalculateGrid(calculated, formulas);
        molvane::plain::calculateGrid(plain, formulas);
        if (calculated.colCount() != grid.colCount() || calculated.rowCount() != grid.rowCount())
            std::abort();
        for (int k = 0; k < grid.colCount(); ++k) {
            if (calculated.itemName(k) != grid.itemName(k))
                std::abort();
            for (int r = 1; r < grid.rowCount(); ++r)
                if (calculated.cell(k, r) != plain.cell(k, r)
                    || calculated.isComputed(k, r) != plain.isComputed(k, r))
                    std::abort();
        }
        const int col = int(std::size_t(press) % std::size_t(grid.colCount()));
        calculated.setCell(col, grid.rowCount() - 1, "2");
        plain.setCell(col, grid.rowCount() - 1, "2");
    }
    return 0;
}
