#include "core/ElementTable.h"

#include <atomic>
#include <charconv>

namespace molvane {

// clang-format off
// The order is fixed: an element's index pairs its symbol with its weight.
const std::array<std::string_view, ElementCount> MetsLst = {
    "Ac", "Al", "Am", "Sb", "Ar", "As", "At", "Ba", "Bk", "Be", "Bi", "B", "Br", "Cd", "Ca", "Cf",
    "C", "Ce", "Cs", "Cl", "Cr", "Co", "Cu", "Cm", "Dy", "Es", "Er", "Eu", "Fm", "F", "Fr", "Gd",
    "Ga", "Ge", "Au", "Hf", "He", "Ho", "H", "In", "I", "Ir", "Fe", "Kr", "La", "Lw", "Pb", "Li",
    "Lu", "Mg", "Mn", "Mv", "Hg", "Mo", "Nd", "Ne", "Np", "Ni", "Nb", "N", "No", "Os", "O", "Pd",
    "P", "Pt", "Pu", "Po", "K", "Pr", "Pm", "Pa", "Ra", "Rn", "Re", "Rh", "Rb", "Ru", "Sm", "Sc",
    "Se", "Si", "Ag", "Na", "Sr", "S", "Ta", "Tc", "Te", "Tb", "Tl", "Th", "Tm", "Sn", "Ti", "W",
    "U", "V", "Xe", "Yb", "Y", "Zn", "Zr",
};

// Weights as decimal text, trailing zeros kept as they were always shown.
const std::array<std::string_view, ElementCount> AWList = {
    "227", "26.98", "243", "121.75", "39.95", "74.92", "210", "137.34", "247", "9.01", "208.98",
    "10.81", "79.90", "112.40", "40.08", "249", "12.01", "140.12", "132.90", "35.45", "51.99",
    "58.93", "63.54", "245", "162.50", "254", "167.26", "151.96", "252", "18.99", "223", "157.25",
    "69.72", "72.59", "196.97", "178.49", "4.00", "164.930", "1.01", "114.82", "126.90", "192.22",
    "55.847", "83.80", "138.91", "257", "207.19", "6.94", "174.97", "24.31", "54.94", "256",
    "200.59", "95.94", "144.24", "20.183", "237", "58.70", "92.91", "14.01", "254", "190.26",
    "15.99", "106.40", "30.97", "195.09", "244", "210", "39.10", "140.91", "145", "231", "226",
    "222", "186.20", "102.90", "85.47", "101.07", "150.35", "44.96", "78.96", "28.09", "107.87",
    "22.99", "87.62", "32.06", "180.95", "99", "127.60", "158.92", "204.37", "232.04", "168.93",
    "118.69", "47.90", "183.85", "238.03", "50.94", "131.30", "173.04", "88.90", "65.37", "91.22",
};
// clang-format on

namespace {

int letterIndex(char c)
{
    if (c >= 'a' && c <= 'z')
        return c - 'a';
    if (c >= 'A' && c <= 'Z')
        return c - 'A';
    return -1;
}

// One slot per one- or two-letter symbol ignoring case: 26 first letters times (no second
// letter, or one of 26).
constexpr int SlotCount = 26 * 27;

int slotOf(std::string_view symbol)
{
    const int first = letterIndex(symbol[0]);
    const int second = symbol.size() == 2 ? letterIndex(symbol[1]) : -1;
    if (first < 0 || (symbol.size() == 2 && second < 0))
        return -1;
    return first * 27 + second + 1;
}

} // namespace

namespace {

std::atomic<WeightTable> tableInForce { WeightTable::Original };

// Slot of every symbol of @p symbols, the first of equal ones winning.
template <std::size_t N>
std::array<signed char, SlotCount> slotsOf(const std::array<std::string_view, N> &symbols)
{
    std::array<signed char, SlotCount> table;
    table.fill(-1);
    for (int i = int(N) - 1; i >= 0; --i)
        table[slotOf(symbols[i])] = static_cast<signed char>(i);
    return table;
}

// The weight texts read once, independently of the locale; brackets around a mass number are
// skipped.
template <std::size_t N>
std::array<long double, N> valuesOf(const std::array<std::string_view, N> &texts)
{
    std::array<long double, N> values {};
    for (std::size_t i = 0; i < N; ++i) {
        std::string_view text = texts[i];
        if (text.starts_with('['))
            text = text.substr(1, text.size() - 2);
        std::from_chars(text.data(), text.data() + text.size(), values[i]);
    }
    return values;
}

} // namespace

void UseWeightTable(WeightTable table)
{
    tableInForce.store(table, std::memory_order_relaxed);
}

WeightTable CurrentWeightTable()
{
    return tableInForce.load(std::memory_order_relaxed);
}

ElementList CurrentElements()
{
    if (CurrentWeightTable() == WeightTable::Iupac2021)
        return { IupacSymbols, IupacWeights };
    return { MetsLst, AWList };
}

std::optional<int> FindElement(std::string_view symbol)
{
    static const std::array<signed char, SlotCount> originalSlots = slotsOf(MetsLst);
    static const std::array<signed char, SlotCount> iupacSlots = slotsOf(IupacSymbols);
    if (symbol.empty() || symbol.size() > 2)
        return std::nullopt;
    const int slot = slotOf(symbol);
    const auto &slots = CurrentWeightTable() == WeightTable::Iupac2021 ? iupacSlots : originalSlots;
    if (slot < 0 || slots[slot] < 0)
        return std::nullopt;
    return slots[slot];
}

long double AtomicWeight(int index)
{
    static const std::array<long double, ElementCount> original = valuesOf(AWList);
    static const std::array<long double, IupacElementCount> iupac = valuesOf(IupacWeights);
    return CurrentWeightTable() == WeightTable::Iupac2021 ? iupac[index] : original[index];
}

} // namespace molvane
