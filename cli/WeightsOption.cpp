#include "cli/WeightsOption.h"

#include "core/ElementTable.h"

#include <ostream>

namespace molvane::cli {

bool TakeWeightsOption(std::vector<std::string> &args, std::ostream &err)
{
    for (std::size_t i = 0; i < args.size() && args[i] != "--";) {
        if (args[i] != "--weights") {
            ++i;
            continue;
        }
        const std::string name = i + 1 < args.size() ? args[i + 1] : std::string();
        if (name == "iupac") {
            UseWeightTable(WeightTable::Iupac2021);
        } else if (name == "original") {
            UseWeightTable(WeightTable::Original);
        } else {
            err << "molvane-cli: --weights takes iupac or original\n";
            return false;
        }
        args.erase(args.begin() + std::ptrdiff_t(i), args.begin() + std::ptrdiff_t(i) + 2);
    }
    return true;
}

std::vector<std::string> WeightsOptionInForce()
{
    return { "--weights", CurrentWeightTable() == WeightTable::Iupac2021 ? "iupac" : "original" };
}

} // namespace molvane::cli
