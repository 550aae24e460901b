#include "core/NumberFormat.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

using namespace molvane;

namespace {

// Values near every switch of the layout and of the digit count, and plenty of weights.
std::vector<double> sampleValues()
{
    std::vector<double> values = { 0.0, -0.0, 1, -1, 0.1, 0.0001, 0.00001, 1e15, 1e16,
        999999999999999.0, 999999999999999.5, 99999.95, 0.000099999999999999995, 5e-324,
        1.7976931348623157e308, 18.015, 2.0159999999999999, 1.5e20, -1.5e-20, 123456789012345.6 };
    for (int p = -30; p <= 30; ++p) {
        const double power = std::pow(10.0, p);
        values.insert(values.end(),
            { power, std::nextafter(power, 0.0), std::nextafter(power, 1e300), 9.5 * power });
    }
    std::mt19937_64 random(11);
    for (int n = 0; n < 20000; ++n) {
        const double bits = std::bit_cast<double>(random());
        if (std::isfinite(bits))
            values.push_back(bits);
        values.push_back(double(random() % 100000) / 1000.0);
        values.push_back(double(random() % 40) * 1.008 + double(random() % 20) * 15.999);
    }
    return values;
}

} // namespace

// The double form finds its text a quicker way; it must be the long double form's exactly.
TEST(FormatGeneral, DoubleTextIsTheExactRounding)
{
    for (const double value : sampleValues())
        for (int digits = 1; digits <= 17; ++digits)
            ASSERT_EQ(FormatGeneral(value, digits),
                FormatGeneral(static_cast<long double>(value), digits))
                << value << " to " << digits << " digits";
}
