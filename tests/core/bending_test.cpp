#include "bending/bending.h"
#include "labels.h"
#include "number/number.h"
#include "section/section.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace zolk {
namespace {

// A 10 mm x 10 mm steel square, 100 mm long, as the section evaluation gives it
// (I = 833.3333333333334, W = 166.66666666666669).
BendingMember Square() {
    const SectionResult section = EvaluateSectionTexts(test::DefaultTexts(), 0);
    return {210000, section.values.inertia, section.values.modulus, 100};
}

using BendingLabels = std::array<std::string, 4>; // M, sigma, delta, position

BendingLabels Labels(const BendingResult& r) {
    return {FormatExponent(r.moment), FormatExponent(r.stress), FormatExponent(r.deflection),
            FormatFixed(r.position)};
}

struct Case {
    const char* name;
    std::uint8_t loadCase;
    const char* position; // Bending_s; F = 100 and q = 10 throughout
    BendingLabels labels;
    bool positionValid;
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

class LoadCase : public testing::TestWithParam<Case> {};

TEST_P(LoadCase, ShowsLabels) {
    const Case& c = GetParam();
    const BendingResult result =
        EvaluateBendingTexts({"100", c.position, "10"}, c.loadCase, Square());
    EXPECT_EQ(Labels(result), c.labels);
    EXPECT_TRUE(result.forceValid);
    EXPECT_TRUE(result.lineLoadValid);
    EXPECT_EQ(result.positionValid, c.positionValid);
    EXPECT_EQ(result.fault, Fault::None);
}

const BendingLabels kZeros{"0.000E+00", "0.000E+00", "0.000E+00", "0.0"};

INSTANTIATE_TEST_SUITE_P(
    Square, LoadCase,
    testing::Values(
        Case{"CantileverPoint", 4, "50", {"1.000E+04", "6.000E+01", "1.905E-01", "0.0"}, true},
        Case{"CantileverLine", 5, "50", {"5.000E+04", "3.000E+02", "7.143E-01", "0.0"}, true},
        Case{"PinnedLine", 3, "50", {"1.250E+04", "7.500E+01", "7.440E-02", "0.0"}, true},
        Case{"ClampedLine", 1, "50", {"8.333E+03", "5.000E+01", "1.488E-02", "0.0"}, true},
        Case{"PinnedMiddle", 2, "50", {"2.500E+03", "1.500E+01", "1.190E-02", "50.0"}, true},
        Case{"PinnedQuarter", 2, "25", {"1.875E+03", "1.125E+01", "8.319E-03", "44.1"}, true},
        Case{"PinnedThreeQuarters", 2, "75", {"1.875E+03", "1.125E+01", "8.319E-03", "55.9"}, true},
        Case{"PinnedAtRightSupport",
             2,
             "100",
             {"0.000E+00", "0.000E+00", "0.000E+00", "57.7"},
             true},
        // A load near or on the left support deflects the beam too, mirroring s = 100.
        Case{"PinnedNearLeftSupport",
             2,
             "0.5",
             {"4.975E+01", "2.985E-01", "1.833E-04", "42.3"},
             true},
        Case{"PinnedAtLeftSupport", 2, "0", {"0.000E+00", "0.000E+00", "0.000E+00", "42.3"}, true},
        Case{"ClampedMiddle", 0, "50", {"1.250E+03", "7.500E+00", "2.976E-03", "50.0"}, true},
        // sigma is 8.437499999999998 in double arithmetic, just below the tie 8.4375.
        Case{"ClampedQuarter", 0, "25", {"1.406E+03", "8.437E+00", "1.607E-03", "40.0"}, true},
        Case{
            "ClampedThreeQuarters", 0, "75", {"1.406E+03", "8.437E+00", "1.607E-03", "60.0"}, true},
        Case{"ClampedAtLeftSupport", 0, "0", {"0.000E+00", "0.000E+00", "0.000E+00", "33.3"}, true},
        Case{"ClampedAtRightSupport",
             0,
             "100",
             {"0.000E+00", "0.000E+00", "0.000E+00", "66.7"},
             true},
        // A position out of range or not a number: the point-load cases between supports
        // give zeros, the others do not use s.
        Case{"PinnedBeyondRange", 2, "150", kZeros, false},
        Case{"ClampedBeyondRange", 0, "150", kZeros, false},
        Case{"PinnedNegative", 2, "-1", kZeros, false},
        Case{"ClampedJustBelowRange", 0, "-0.001", kZeros, false},
        Case{"PinnedNotANumber", 2, "abc", kZeros, false},
        Case{"ClampedNotANumber", 0, "", kZeros, false},
        Case{"CantileverIgnoresPosition",
             4,
             "150",
             {"1.000E+04", "6.000E+01", "1.905E-01", "0.0"},
             false},
        Case{"ClampedLineIgnoresPosition",
             1,
             "abc",
             {"8.333E+03", "5.000E+01", "1.488E-02", "0.0"},
             false}),
    [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

TEST(Bending, ZeroLengthGivesZerosInEveryCase) {
    BendingMember member = Square();
    member.length = 0;
    for (std::uint8_t loadCase = 0; loadCase < kLoadCaseCount; ++loadCase)
        EXPECT_EQ(Labels(EvaluateBendingTexts({"100", "50", "10"}, loadCase, member)), kZeros)
            << int(loadCase);
}

TEST(Bending, MissingSectionKeepsTheMoment) {
    BendingMember member = Square();
    member.modulus = 0;
    EXPECT_EQ(Labels(EvaluateBendingTexts({"100", "50", "10"}, 4, member)),
              (BendingLabels{"1.000E+04", "0.000E+00", "0.000E+00", "0.0"}));
    EXPECT_EQ(Labels(EvaluateBendingTexts({"100", "50", "10"}, 0, member)),
              (BendingLabels{"1.250E+03", "0.000E+00", "0.000E+00", "0.0"}));
}

TEST(Bending, MissingModulusKeepsMomentAndStress) {
    BendingMember member = Square();
    member.youngsModulus = 0;
    EXPECT_EQ(Labels(EvaluateBendingTexts({"100", "50", "10"}, 4, member)),
              (BendingLabels{"1.000E+04", "6.000E+01", "0.000E+00", "0.0"}));
    EXPECT_EQ(Labels(EvaluateBendingTexts({"100", "25", "10"}, 2, member)),
              (BendingLabels{"1.875E+03", "1.125E+01", "0.000E+00", "0.0"}));
}

TEST(Bending, NegativeLoadsAreUsedAsTheyAre) {
    EXPECT_EQ(Labels(EvaluateBendingTexts({"-100", "50", "10"}, 4, Square())),
              (BendingLabels{"-1.000E+04", "-6.000E+01", "-1.905E-01", "0.0"}));
}

TEST(Bending, FieldsNotANumberCountAsZero) {
    const BendingResult result = EvaluateBendingTexts({"x", "50", "1,5"}, 4, Square());
    EXPECT_FALSE(result.forceValid);
    EXPECT_TRUE(result.positionValid);
    EXPECT_FALSE(result.lineLoadValid);
    EXPECT_EQ(Labels(result), kZeros);
}

TEST(Bending, OverflowGivesZerosAndTheMessage) {
    const BendingResult result = EvaluateBendingTexts({"1e308", "50", "10"}, 4, Square());
    EXPECT_EQ(result.fault, Fault::Overflow);
    EXPECT_EQ(Labels(result), kZeros);
    EXPECT_TRUE(result.forceValid);
}

} // namespace
} // namespace zolk
