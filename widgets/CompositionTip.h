#pragma once

#include "texts/InterfaceLanguage.h"

#include <QString>

#include <string_view>

namespace molvane {

/// The tool tip of a weight cell: the composition of @p formula as a table, a row per element
/// under the column names of @p language; empty when the formula cannot be weighed.
QString CompositionTip(std::string_view formula, UiLanguage language);

} // namespace molvane
