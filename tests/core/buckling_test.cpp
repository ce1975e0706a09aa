#include "buckling/buckling.h"
#include "number/number.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace zolk {
namespace {

constexpr double kSquareInertia = 833.3333333333334; // 10 mm x 10 mm

std::pair<std::string, std::string> Labels(const BucklingResult& r) {
    return {FormatExponent(r.criticalLoad), FormatExponent(r.stress)};
}

struct Case {
    std::uint8_t bucklingCase;
    const char* load;
    const char* stress;
};

class EulerCase : public testing::TestWithParam<Case> {};

// Steel square, A = 100, L = 100.
TEST_P(EulerCase, SteelSquare) {
    const BucklingResult result =
        EvaluateEuler(GetParam().bucklingCase, 210000, kSquareInertia, 100, 100);
    EXPECT_EQ(Labels(result),
              std::make_pair(std::string(GetParam().load), std::string(GetParam().stress)));
    EXPECT_EQ(result.fault, Fault::None);
}

INSTANTIATE_TEST_SUITE_P(Cases, EulerCase,
                         testing::Values(Case{0, "4.318E+04", "4.318E+02"},
                                         Case{1, "3.525E+05", "3.525E+03"},
                                         Case{2, "1.727E+05", "1.727E+03"},
                                         Case{3, "6.909E+05", "6.909E+03"}));

TEST(Euler, MissingLengthAreaOrModulusGivesZeros) {
    const std::pair<std::string, std::string> zeros{"0.000E+00", "0.000E+00"};
    EXPECT_EQ(Labels(EvaluateEuler(0, 210000, kSquareInertia, 100, 0)), zeros);
    EXPECT_EQ(Labels(EvaluateEuler(0, 210000, kSquareInertia, 9e-11, 100)), zeros);
    EXPECT_EQ(Labels(EvaluateEuler(0, 0, kSquareInertia, 100, 100)), zeros);
    // At least 1e-10 is usable.
    EXPECT_GT(EvaluateEuler(0, 210000, kSquareInertia, 1e-10, 100).stress, 0);
}

TEST(Euler, UsesTheSquareOfThePiOfTheSections) {
    // 9.86960406437476 * 1 * 1 / 1: not the exact pi squared, 9.869604401089358.
    EXPECT_EQ(EvaluateEuler(2, 1, 1, 1, 1).criticalLoad, 9.86960406437476);
}

TEST(Euler, OverflowGivesZerosAndTheMessage) {
    const BucklingResult result = EvaluateEuler(0, 1e300, 1e300, 100, 100);
    EXPECT_EQ(result.fault, Fault::Overflow);
    EXPECT_EQ(result.criticalLoad, 0);
    EXPECT_EQ(result.stress, 0);
}

} // namespace
} // namespace zolk
