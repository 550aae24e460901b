#include "core/WorkingEquation.h"

#include <algorithm>
#include <cctype>

namespace molvane {

bool IsZero(Fraction f)
{
    return f.numerator == 0;
}

Fraction Sum(Fraction a, Fraction b)
{
    const Fraction f = Add(a, b);
    return IsZero(f) ? Fraction { 0, 1 } : f;
}

Fraction Product(Fraction a, Fraction b)
{
    const Fraction f = Multiply(a, b);
    return IsZero(f) ? Fraction { 0, 1 } : f;
}

Fraction Difference(Fraction a, Fraction b)
{
    return Sum(a, Product(b, FromInteger(-1)));
}

Fraction Quotient(Fraction a, Fraction b)
{
    return Product(a, Reduce(Reciprocal(b)));
}

std::string ValueText(Fraction f)
{
    f = Reduce(f);
    return f.denominator == 1 ? std::to_string(f.numerator) : ToText(f);
}

namespace {

// One term without its sign: "2b", "(1/2)b", "2(3/2)", "(b - 1)", "3".
std::string termText(Fraction size, const std::string &name, const std::optional<std::string> &by)
{
    const bool one = size.numerator == 1 && size.denominator == 1;
    const std::string factor = one ? std::string()
        : size.denominator == 1    ? std::to_string(size.numerator)
                                   : "(" + ToText(size) + ")";
    if (name.empty())
        return ValueText(size);
    if (!by)
        return factor + name;
    // A name put in for a name stays bare ("2f"); a number or a sum is bracketed ("2(4)").
    const bool single = by->find(' ') == std::string::npos && by->front() != '-';
    const bool bare = single && (one || std::isalpha(static_cast<unsigned char>(by->front())));
    return factor + (bare ? *by : "(" + *by + ")");
}

} // namespace

std::string SideText(
    const WorkingSide &side, const std::vector<std::string> &names, const Replacement &replace)
{
    std::string text;
    const auto append
        = [&](Fraction value, const std::string &name, const std::optional<std::string> &by) {
              value = Reduce(value);
              const bool negative = value.numerator < 0;
              const Fraction size = negative ? Multiply(value, FromInteger(-1)) : value;
              if (text.empty())
                  text += negative ? "-" : "";
              else
                  text += negative ? " - " : " + ";
              text += termText(size, name, by);
          };
    // "7 - g" rather than "-g + 7": a positive constant leads a side that would start negative.
    const auto first
        = std::find_if(side.terms.begin(), side.terms.end(), [](Fraction f) { return !IsZero(f); });
    const bool constantFirst = first != side.terms.end() && Reduce(*first).numerator < 0
        && Reduce(side.constant).numerator > 0;
    if (constantFirst)
        append(side.constant, {}, std::nullopt);
    for (std::size_t k = 0; k < side.terms.size(); ++k)
        if (!IsZero(side.terms[k]))
            append(side.terms[k], names[k], replace ? replace(k) : std::nullopt);
    if (!constantFirst && (!IsZero(side.constant) || text.empty()))
        append(side.constant, {}, std::nullopt);
    return text;
}

std::string EquationText(const WorkingEquation &equation, const std::vector<std::string> &names,
    const Replacement &replace)
{
    return SideText(equation.left, names, replace) + " = "
        + SideText(equation.right, names, replace);
}

WorkingSide WithValues(WorkingSide side, const KnownValues &values)
{
    for (std::size_t k = 0; k < side.terms.size(); ++k) {
        if (values[k] && !IsZero(side.terms[k])) {
            side.constant = Sum(side.constant, Product(side.terms[k], *values[k]));
            side.terms[k] = { 0, 1 };
        }
    }
    return side;
}

void Substitute(WorkingSide &side, std::size_t k, const WorkingSide &expression)
{
    const Fraction factor = side.terms[k];
    if (IsZero(factor))
        return;
    side.terms[k] = { 0, 1 };
    for (std::size_t i = 0; i < side.terms.size(); ++i)
        side.terms[i] = Sum(side.terms[i], Product(factor, expression.terms[i]));
    side.constant = Sum(side.constant, Product(factor, expression.constant));
}

WorkingEquation Cancelled(const WorkingEquation &equation)
{
    WorkingEquation out { equation.row, equation.left, equation.right };
    const auto place = [](Fraction &left, Fraction &right) {
        const Fraction net = Difference(left, right);
        const bool onLeft = net.numerator > 0;
        left = onLeft ? net : Fraction { 0, 1 };
        right = onLeft ? Fraction { 0, 1 } : Product(net, FromInteger(-1));
    };
    for (std::size_t k = 0; k < out.left.terms.size(); ++k)
        place(out.left.terms[k], out.right.terms[k]);
    place(out.left.constant, out.right.constant);
    return out;
}

std::vector<std::size_t> UnknownsLeft(const WorkingEquation &equation, const KnownValues &values)
{
    std::vector<std::size_t> left;
    for (std::size_t k = 0; k < values.size(); ++k)
        if (!values[k] && !IsZero(Difference(equation.left.terms[k], equation.right.terms[k])))
            left.push_back(k);
    return left;
}

std::size_t TermCount(const WorkingEquation &equation)
{
    std::size_t count = 0;
    for (const WorkingSide *side : { &equation.left, &equation.right }) {
        for (const Fraction term : side->terms)
            count += IsZero(term) ? 0 : 1;
        count += IsZero(side->constant) ? 0 : 1;
    }
    return count;
}

} // namespace molvane
