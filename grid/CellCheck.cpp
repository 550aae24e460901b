#include "grid/CellCheck.h"

#include "grid/GridModel.h"

namespace molvane {

namespace {

bool isIntegerType(std::string_view typeText)
{
    return typeText == IntegerType || typeText == SubstanceNumberType;
}

bool isDecimalType(std::string_view typeText)
{
    return typeText == RealType || typeText == AtomicWeightType;
}

} // namespace

std::optional<char32_t> GridKeyPress(std::string_view typeText, char32_t key, char separator)
{
    const bool digitOrBackspace = (key >= U'0' && key <= U'9') || key == BackspaceKey;
    if (isDecimalType(typeText) && !digitOrBackspace && key != char32_t(separator))
        return std::nullopt;
    if (isIntegerType(typeText) && !digitOrBackspace)
        return std::nullopt;
    return key;
}

bool GridSetEditText(std::string_view typeText, std::string_view text, char separator)
{
    if (text.empty())
        return true;
    if (isIntegerType(typeText))
        return ReadInteger(text).has_value();
    if (isDecimalType(typeText))
        return ReadDecimal(text, separator).has_value();
    return true;
}

} // namespace molvane
