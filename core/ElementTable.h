#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace molvane {

inline constexpr int ElementCount = 103;

/// Element symbols in table order.
extern const std::array<std::string_view, ElementCount> MetsLst;
/// Atomic weights as decimal text, parallel to MetsLst.
extern const std::array<std::string_view, ElementCount> AWList;

/// Index of the first symbol equal to @p symbol ignoring letter case.
std::optional<int> FindElement(std::string_view symbol);

} // namespace molvane
