#pragma once

#include "core/Fraction.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace molvane {

/// One side of an equation of the working: a coefficient per unknown and a constant.
struct WorkingSide
{
    std::vector<Fraction> terms;
    Fraction constant { 0, 1 };
};

/// An equation of the working; @c row is its element, empty for the charge.
struct WorkingEquation
{
    std::string row;
    WorkingSide left, right;
};

using KnownValues = std::vector<std::optional<Fraction>>;

/// What stands in place of an unknown when an equation is written out: a value or an
/// expression, or nothing to leave the unknown's name.
using Replacement = std::function<std::optional<std::string>(std::size_t unknown)>;

/// Zero as 0/1, so that sums of zero terms keep their denominators small.
Fraction Sum(Fraction a, Fraction b);
Fraction Product(Fraction a, Fraction b);
Fraction Difference(Fraction a, Fraction b);
Fraction Quotient(Fraction a, Fraction b);
bool IsZero(Fraction f);

/// "3" or "3/2".
std::string ValueText(Fraction f);

/// "2b + (1/2)c - 3"; with @p replace, an unknown replaced is written as "2(3/2)" or
/// "(b - 1)"; "0" for an empty side.
std::string SideText(const WorkingSide &side, const std::vector<std::string> &names,
    const Replacement &replace = {});

/// "left = right", as SideText writes the sides.
std::string EquationText(const WorkingEquation &equation, const std::vector<std::string> &names,
    const Replacement &replace = {});

/// The known values moved into the constant.
WorkingSide WithValues(WorkingSide side, const KnownValues &values);

/// @p expression put in place of unknown @p k.
void Substitute(WorkingSide &side, std::size_t k, const WorkingSide &expression);

/// Like terms collected and cancelled: each unknown and the constant stand on the side where
/// they stay positive.
WorkingEquation Cancelled(const WorkingEquation &equation);

/// The unknowns not yet known whose net coefficient in @p equation is not zero.
std::vector<std::size_t> UnknownsLeft(const WorkingEquation &equation, const KnownValues &values);

/// Terms written in @p equation, on both sides.
std::size_t TermCount(const WorkingEquation &equation);

} // namespace molvane
