#include "number/number.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace zolk {
namespace {

struct Shown {
    double value;
    std::string text;
};

class ExponentFormat : public testing::TestWithParam<Shown> {};

TEST_P(ExponentFormat, Shows) {
    EXPECT_EQ(FormatExponent(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ExponentFormat,
    testing::Values(Shown{833.3333333333334, "8.333E+02"}, Shown{-101, "-1.010E+02"},
                    Shown{3.1415926e-20, "3.142E-20"}, Shown{1e-5, "1.000E-05"},
                    Shown{0, "0.000E+00"}, Shown{-0.0, "0.000E+00"}, Shown{1e100, "1.000E+100"},
                    Shown{-2.5e-150, "-2.500E-150"},
                    Shown{std::numeric_limits<double>::max(), "1.798E+308"},
                    Shown{std::numeric_limits<double>::denorm_min(), "4.941E-324"},
                    // Exact decimal ties go away from zero.
                    Shown{2812.5, "2.813E+03"}, Shown{-2812.5, "-2.813E+03"},
                    Shown{12345, "1.235E+04"}, Shown{1.0625, "1.063E+00"},
                    Shown{8.4375, "8.438E+00"},
                    // Just below a tie, and a carry into the exponent.
                    Shown{8.437499999999998, "8.437E+00"}, Shown{9.9995, "9.999E+00"},
                    Shown{9.99951, "1.000E+01"}, Shown{-99995, "-1.000E+05"}));

class FixedFormat : public testing::TestWithParam<Shown> {};

TEST_P(FixedFormat, Shows) {
    EXPECT_EQ(FormatFixed(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Values, FixedFormat,
                         testing::Values(Shown{50, "50.0"}, Shown{57.735, "57.7"},
                                         Shown{42.265, "42.3"}, Shown{0.25, "0.3"},
                                         Shown{-2.25, "-2.3"}, Shown{0.35, "0.3"},
                                         Shown{99.96, "100.0"}, Shown{0.04, "0.0"}, Shown{0, "0.0"},
                                         Shown{-0.0, "0.0"},
                                         // A negative value that rounds to zero shows no sign.
                                         Shown{-0.04, "0.0"}, Shown{-0.06, "-0.1"},
                                         Shown{1e20, "100000000000000000000.0"}));

} // namespace
} // namespace zolk
