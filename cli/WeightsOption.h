#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace molvane::cli {

/// Takes every "--weights NAME" before a "--" out of @p args and puts the table NAME names in
/// force: "iupac" or "original". False, having said why on @p err, when NAME is missing or
/// unknown.
bool TakeWeightsOption(std::vector<std::string> &args, std::ostream &err);

/// The option that puts the table in force now in force again, for a module's arguments.
std::vector<std::string> WeightsOptionInForce();

} // namespace molvane::cli
