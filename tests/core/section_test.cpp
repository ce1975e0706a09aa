#include "labels.h"
#include "section/section.h"
#include "section/torsion_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <string>
#include <utility>

namespace zolk {
namespace {

using test::DefaultTexts;
using test::kZeroLabels;
using test::Labels;
using test::SectionLabels;

enum Code : std::uint8_t {
    Rect,
    Rectpipe,
    Triangle,
    Trapez,
    DoubleT,
    Hprofile,
    Poly6,
    Poly8,
    Lprofile,
    Cross,
    Tprofile,
    T2profile,
    Uprofile,
    Cprofile,
    Circle,
    Oval
};

using Edits = std::initializer_list<std::pair<SectionField, std::string_view>>;

SectionTexts With(Edits edits) {
    SectionTexts texts = DefaultTexts();
    for (const auto& [field, text] : edits)
        texts[field] = text;
    return texts;
}

// The fields a result marks invalid, as a string such as "t1 t2", for readable failures.
std::string Marked(const SectionResult& result) {
    static constexpr const char* kNames[] = {"h", "w", "t1", "t2", "r1", "r2", "s"};
    std::string marked;
    for (int field = 0; field < kSectionFieldCount; ++field) {
        if (result.valid[field])
            continue;
        if (!marked.empty())
            marked += ' ';
        marked += kNames[field];
    }
    return marked;
}

struct Case {
    const char* name;
    std::uint8_t code;
    SectionTexts texts;
    SectionLabels labels;
    std::string marked; // fields shown invalid
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

class SectionCase : public testing::TestWithParam<Case> {};

TEST_P(SectionCase, ShowsLabelsAndMarks) {
    const SectionResult result = EvaluateSectionTexts(GetParam().texts, GetParam().code);
    EXPECT_EQ(Labels(result.values), GetParam().labels);
    EXPECT_EQ(Marked(result), GetParam().marked);
    EXPECT_EQ(result.fault, Fault::None);
}

std::string CaseName(const testing::TestParamInfo<Case>& info) {
    return info.param.name;
}

// Every code with the texts the window starts with: h = w = 10, t1 = t2 = 1, r1 = 10,
// r2 = 0, s = 10.
INSTANTIATE_TEST_SUITE_P(
    DefaultTexts, SectionCase,
    testing::Values(Case{"Rect",
                         Rect,
                         DefaultTexts(),
                         {"1.000E+02", "8.333E+02", "1.667E+02", "1.410E+03", "2.080E+02"},
                         ""},
                    // Wt by Bredt with the midline area 9 x 9.
                    Case{"Rectpipe",
                         Rectpipe,
                         DefaultTexts(),
                         {"3.600E+01", "4.920E+02", "9.840E+01", "7.290E+02", "1.620E+02"},
                         ""},
                    Case{"Triangle",
                         Triangle,
                         DefaultTexts(),
                         {"5.000E+01", "2.778E+02", "4.167E+01", "2.165E+02", "5.000E+01"},
                         ""},
                    Case{"Trapez",
                         Trapez,
                         DefaultTexts(),
                         {"1.000E+02", "8.333E+02", "1.667E+02", "0.000E+00", "0.000E+00"},
                         ""},
                    Case{"DoubleT",
                         DoubleT,
                         DefaultTexts(),
                         {"2.800E+01", "4.493E+02", "8.987E+01", "1.223E+01", "1.223E+01"},
                         ""},
                    Case{"Hprofile",
                         Hprofile,
                         DefaultTexts(),
                         {"2.800E+01", "1.673E+02", "3.347E+01", "1.223E+01", "1.223E+01"},
                         ""},
                    Case{"Poly6",
                         Poly6,
                         DefaultTexts(),
                         {"8.660E+01", "6.014E+02", "1.203E+02", "1.150E+03", "1.880E+02"},
                         ""},
                    Case{"Poly8",
                         Poly8,
                         DefaultTexts(),
                         {"8.284E+01", "5.474E+02", "1.095E+02", "1.080E+03", "1.850E+02"},
                         ""},
                    Case{"Lprofile",
                         Lprofile,
                         DefaultTexts(),
                         {"1.900E+01", "1.800E+02", "2.524E+01", "6.270E+00", "6.270E+00"},
                         ""},
                    Case{"Cross",
                         Cross,
                         DefaultTexts(),
                         {"1.900E+01", "8.408E+01", "1.682E+01", "7.410E+00", "7.410E+00"},
                         ""},
                    Case{"Tprofile",
                         Tprofile,
                         DefaultTexts(),
                         {"1.900E+01", "1.800E+02", "2.524E+01", "7.093E+00", "7.093E+00"},
                         ""},
                    Case{"t2profile",
                         T2profile,
                         DefaultTexts(),
                         {"1.900E+01", "8.408E+01", "1.682E+01", "7.093E+00", "7.093E+00"},
                         ""},
                    Case{"Uprofile",
                         Uprofile,
                         DefaultTexts(),
                         {"2.800E+01", "2.830E+02", "4.503E+01", "1.045E+01", "1.045E+01"},
                         ""},
                    Case{"Cprofile",
                         Cprofile,
                         DefaultTexts(),
                         {"2.800E+01", "4.493E+02", "8.987E+01", "1.045E+01", "1.045E+01"},
                         ""},
                    Case{"Circle",
                         Circle,
                         DefaultTexts(),
                         {"3.142E+02", "7.854E+03", "7.854E+02", "1.571E+04", "1.571E+03"},
                         ""},
                    Case{"Oval",
                         Oval,
                         DefaultTexts(),
                         {"2.827E+01", "2.898E+02", "5.796E+01", "5.796E+02", "1.159E+02"},
                         ""}),
    CaseName);

const SectionTexts kUnequal =
    With({{FieldH, "100"}, {FieldW, "60"}, {FieldT1, "8"}, {FieldT2, "5"}});

// Unequal plates, h = 100, w = 60, t1 = 8, t2 = 5: tmin = 5 and tmax = 8.
INSTANTIATE_TEST_SUITE_P(
    UnequalPlates, SectionCase,
    testing::Values(Case{"Rectpipe",
                         Rectpipe,
                         kUnequal,
                         {"1.800E+03", "2.530E+06", "5.061E+04", "2.026E+06", "5.060E+04"},
                         ""},
                    Case{"DoubleT",
                         DoubleT,
                         kUnequal,
                         {"1.380E+03", "2.283E+06", "4.567E+04", "3.141E+04", "3.927E+03"},
                         ""},
                    Case{"Hprofile",
                         Hprofile,
                         kUnequal,
                         {"1.400E+03", "8.355E+05", "1.671E+04", "2.210E+04", "2.762E+03"},
                         ""},
                    Case{"Lprofile",
                         Lprofile,
                         kUnequal,
                         {"9.400E+02", "9.142E+05", "1.278E+04", "1.342E+04", "1.677E+03"},
                         ""},
                    Case{"Tprofile",
                         Tprofile,
                         kUnequal,
                         {"9.400E+02", "9.142E+05", "1.278E+04", "1.576E+04", "1.970E+03"},
                         ""},
                    Case{"t2profile",
                         T2profile,
                         kUnequal,
                         {"9.400E+02", "4.190E+05", "8.380E+03", "1.518E+04", "1.897E+03"},
                         ""},
                    Case{"Uprofile",
                         Uprofile,
                         kUnequal,
                         {"1.400E+03", "1.440E+06", "2.281E+04", "1.889E+04", "2.361E+03"},
                         ""},
                    Case{"Cprofile",
                         Cprofile,
                         kUnequal,
                         {"1.380E+03", "2.283E+06", "4.567E+04", "2.686E+04", "3.357E+03"},
                         ""},
                    Case{"Cross",
                         Cross,
                         kUnequal,
                         {"9.400E+02", "4.190E+05", "8.380E+03", "1.586E+04", "1.982E+03"},
                         ""}),
    CaseName);

// Other inputs of the solid shapes.
INSTANTIATE_TEST_SUITE_P(
    SolidShapes, SectionCase,
    testing::Values(
        Case{"RectTall",
             Rect,
             With({{FieldH, "20"}}),
             {"2.000E+02", "6.667E+03", "6.667E+02", "4.580E+03", "4.920E+02"},
             ""},
        // r = 0.5 is taken as 2 with the long side 20: the torsion values of the tall one.
        Case{"RectWide",
             Rect,
             With({{FieldW, "20"}}),
             {"2.000E+02", "1.667E+03", "3.333E+02", "4.580E+03", "4.920E+02"},
             ""},
        // I = 2812.5 exactly, shown rounded away from zero.
        Case{"RectRatioOnAPoint",
             Rect,
             With({{FieldH, "15"}}),
             {"1.500E+02", "2.813E+03", "3.750E+02", "2.940E+03", "3.465E+02"},
             ""},
        Case{"TriangleTall",
             Triangle,
             With({{FieldH, "20"}}),
             {"1.000E+02", "2.222E+03", "1.667E+02", "2.165E+02", "5.000E+01"},
             ""},
        // s = 0 is marked but computed: the triangle's A, I and W.
        Case{"TrapezWithoutTop",
             Trapez,
             With({{FieldS, "0"}}),
             {"5.000E+01", "2.778E+02", "4.167E+01", "0.000E+00", "0.000E+00"},
             "s"},
        // W by the farthest fibre: a trapezoid and its mirror image share it.
        Case{"TrapezWideTop",
             Trapez,
             With({{FieldS, "20"}}),
             {"1.500E+02", "1.204E+03", "2.167E+02", "0.000E+00", "0.000E+00"},
             ""},
        Case{"TrapezWideBase",
             Trapez,
             With({{FieldW, "20"}}),
             {"1.500E+02", "1.204E+03", "2.167E+02", "0.000E+00", "0.000E+00"},
             ""},
        Case{"Ring",
             Circle,
             With({{FieldR2, "5"}}),
             {"2.356E+02", "7.363E+03", "7.363E+02", "1.473E+04", "1.473E+03"},
             ""},
        Case{"OvalTall",
             Oval,
             With({{FieldH, "20"}}),
             {"4.398E+01", "1.637E+03", "1.637E+02", "1.855E+03", "2.318E+02"},
             ""},
        Case{"OvalWide",
             Oval,
             With({{FieldW, "20"}}),
             {"4.398E+01", "5.294E+02", "1.059E+02", "1.855E+03", "2.318E+02"},
             ""}),
    CaseName);

// Texts the range rules reject, and exactly the fields they mark.
INSTANTIATE_TEST_SUITE_P(
    RejectedInputs, SectionCase,
    testing::Values(
        Case{"WidthNotANumber", Rect, With({{FieldW, "abc"}}), kZeroLabels, "w"},
        Case{"WidthZero", Rect, With({{FieldW, "0"}}), kZeroLabels, "w"},
        Case{"WidthNegative", Rect, With({{FieldW, "-10"}}), kZeroLabels, "w"},
        Case{"HeightAtTheUsableBound", Rect, With({{FieldH, "1e-10"}}), kZeroLabels, "h"},
        Case{"HeightEmpty", Lprofile, With({{FieldH, ""}}), kZeroLabels, "h"},
        Case{"ThicknessWithComma", DoubleT, With({{FieldT1, "1,5"}}), kZeroLabels, "t1"},
        // Hidden fields are judged too; the rectangle does not use them.
        Case{"EqualRadii",
             Rect,
             With({{FieldR1, "5"}, {FieldR2, "5"}}),
             {"1.000E+02", "8.333E+02", "1.667E+02", "1.410E+03", "2.080E+02"},
             "r1 r2"},
        Case{"EqualRadiiCircle", Circle, With({{FieldR1, "5"}, {FieldR2, "5"}}), kZeroLabels,
             "r1 r2"},
        // The fallback -1 of r2 breaks the radius rule, which marks r1 as well.
        Case{"InnerRadiusNotANumber", Circle, With({{FieldR2, "abc"}}), kZeroLabels, "r1 r2"},
        Case{"InnerRadiusNegative", Circle, With({{FieldR2, "-1"}}), kZeroLabels, "r1 r2"},
        Case{"OuterRadiusBelowTheBound", Circle, With({{FieldR1, "9e-11"}}), kZeroLabels, "r1 r2"},
        Case{"SmallestOuterRadius",
             Circle,
             With({{FieldR1, "1e-10"}}),
             {"3.142E-20", "7.854E-41", "7.854E-31", "1.571E-40", "1.571E-30"},
             ""},
        // r1's fallback 1e-10 passes the radius rule, so the circle is computed with it.
        Case{"OuterRadiusNotANumber",
             Circle,
             With({{FieldR1, "abc"}}),
             {"3.142E-20", "7.854E-41", "7.854E-31", "1.571E-40", "1.571E-30"},
             "r1"},
        Case{"SizeNotANumber", Poly6, With({{FieldS, "x"}}), kZeroLabels, "s"},
        Case{"SeveralAtOnce", Cross, With({{FieldH, "-"}, {FieldT2, "0"}, {FieldR2, "20"}}),
             kZeroLabels, "h t2 r1 r2"}),
    CaseName);

struct Limit {
    const char* name;
    std::uint8_t code;
    SectionField field;
    const char* at;        // the limit itself: rejected
    const char* justBelow; // accepted
};

void PrintTo(const Limit& l, std::ostream* os) {
    *os << l.name;
}

class ThicknessLimit : public testing::TestWithParam<Limit> {};

// With h = w = 10: each shape's strict limit on t1 and on t2.
TEST_P(ThicknessLimit, RejectsAtTheLimitAndAcceptsJustBelow) {
    const Limit& limit = GetParam();
    const SectionResult at = EvaluateSectionTexts(With({{limit.field, limit.at}}), limit.code);
    EXPECT_EQ(Labels(at.values), kZeroLabels);
    EXPECT_EQ(Marked(at), limit.field == FieldT1 ? "t1" : "t2");

    const SectionResult below =
        EvaluateSectionTexts(With({{limit.field, limit.justBelow}}), limit.code);
    EXPECT_EQ(Marked(below), "");
    EXPECT_GT(below.values.area, 0);
    EXPECT_GT(below.values.polarModulus, 0);
}

INSTANTIATE_TEST_SUITE_P(Shapes, ThicknessLimit,
                         testing::Values(Limit{"RectpipeT1", Rectpipe, FieldT1, "5", "4.99"},
                                         Limit{"RectpipeT2", Rectpipe, FieldT2, "5", "4.99"},
                                         Limit{"DoubleTT1", DoubleT, FieldT1, "5", "4.99"},
                                         Limit{"DoubleTT2", DoubleT, FieldT2, "10", "9.99"},
                                         Limit{"HprofileT1", Hprofile, FieldT1, "10", "9.99"},
                                         Limit{"HprofileT2", Hprofile, FieldT2, "5", "4.99"},
                                         Limit{"LprofileT1", Lprofile, FieldT1, "10", "9.99"},
                                         Limit{"LprofileT2", Lprofile, FieldT2, "10", "9.99"},
                                         Limit{"TprofileT1", Tprofile, FieldT1, "10", "9.99"},
                                         Limit{"TprofileT2", Tprofile, FieldT2, "10", "9.99"},
                                         Limit{"t2profileT1", T2profile, FieldT1, "10", "9.99"},
                                         Limit{"t2profileT2", T2profile, FieldT2, "10", "9.99"},
                                         Limit{"UprofileT1", Uprofile, FieldT1, "10", "9.99"},
                                         Limit{"UprofileT2", Uprofile, FieldT2, "5", "4.99"},
                                         Limit{"CprofileT1", Cprofile, FieldT1, "5", "4.99"},
                                         Limit{"CprofileT2", Cprofile, FieldT2, "10", "9.99"},
                                         Limit{"CrossT1", Cross, FieldT1, "10", "9.99"},
                                         Limit{"CrossT2", Cross, FieldT2, "10", "9.99"},
                                         Limit{"OvalT1", Oval, FieldT1, "5", "4.99"},
                                         Limit{"OvalT2", Oval, FieldT2, "5", "4.99"}),
                         [](const testing::TestParamInfo<Limit>& info) {
                             return std::string(info.param.name);
                         });

TEST(ThicknessLimit, BothBrokenMarksBoth) {
    for (const std::uint8_t code : {Rectpipe, Cross, Oval}) {
        const SectionResult result =
            EvaluateSectionTexts(With({{FieldT1, "10"}, {FieldT2, "10"}}), code);
        EXPECT_EQ(Labels(result.values), kZeroLabels) << int(code);
        EXPECT_EQ(Marked(result), "t1 t2") << int(code);
    }
}

TEST(ThicknessLimit, MarksLastOnlyOneEvaluation) {
    const SectionTexts texts = With({{FieldT1, "10"}});
    EXPECT_EQ(Marked(EvaluateSectionTexts(texts, Cross)), "t1");
    EXPECT_EQ(Marked(EvaluateSectionTexts(texts, Rect)), "");
}

struct TorsionPoint {
    double ratio;
    double inertia;
    double modulus;
};

class TorsionTable : public testing::TestWithParam<TorsionPoint> {};

TEST_P(TorsionTable, Coefficients) {
    const section::TorsionCoefficients c = section::RectangleTorsion(GetParam().ratio);
    EXPECT_DOUBLE_EQ(c.inertia, GetParam().inertia) << GetParam().ratio;
    EXPECT_DOUBLE_EQ(c.modulus, GetParam().modulus) << GetParam().ratio;
}

INSTANTIATE_TEST_SUITE_P(
    Points, TorsionTable,
    testing::Values(TorsionPoint{1, 0.141, 0.208}, TorsionPoint{1.5, 0.196, 0.231},
                    TorsionPoint{2, 0.229, 0.246}, TorsionPoint{3, 0.263, 0.267},
                    TorsionPoint{4, 0.281, 0.282}, TorsionPoint{6, 0.298, 0.299},
                    TorsionPoint{8, 0.307, 0.307},
                    // Between points, linear.
                    TorsionPoint{1.25, 0.1685, 0.2195}, TorsionPoint{5, 0.2895, 0.2905},
                    // Just below 10 the last segment approaches 0.312; at 10 the step to 0.333.
                    TorsionPoint{std::nextafter(10.0, 0.0), 0.312, 0.312},
                    TorsionPoint{10, 0.333, 0.333}, TorsionPoint{1e9, 0.333, 0.333}));

TEST(TorsionTable, StepAtRatioTenInTheLabels) {
    const SectionResult below = EvaluateSectionTexts(With({{FieldH, "99.999"}}), Rect);
    EXPECT_EQ(FormatExponent(below.values.polarInertia), "3.120E+04");
    EXPECT_EQ(FormatExponent(below.values.polarModulus), "3.120E+03");
    const SectionResult at = EvaluateSectionTexts(With({{FieldH, "100"}}), Rect);
    EXPECT_EQ(FormatExponent(at.values.polarInertia), "3.330E+04");
    EXPECT_EQ(FormatExponent(at.values.polarModulus), "3.330E+03");
}

TEST(SectionCodes, OutOfRangeGivesZeros) {
    const SectionResult result = EvaluateSectionTexts(DefaultTexts(), kSectionCodeCount);
    EXPECT_EQ(Labels(result.values), kZeroLabels);
    EXPECT_EQ(Marked(result), "");
}

TEST(SectionFault, OverflowGivesZerosAndTheMessage) {
    // h^3 overflows; the fields themselves are fine.
    const SectionResult result = EvaluateSectionTexts(With({{FieldH, "1e200"}}), Rect);
    EXPECT_EQ(result.fault, Fault::Overflow);
    EXPECT_EQ(Labels(result.values), kZeroLabels);
    EXPECT_EQ(Marked(result), "");
}

TEST(SectionFault, NextEvaluationStartsClean) {
    EvaluateSectionTexts(With({{FieldH, "1e200"}}), Rect);
    EXPECT_EQ(EvaluateSectionTexts(DefaultTexts(), Rect).fault, Fault::None);
}

struct LengthCase {
    std::string text;
    double value;
    bool valid;
};

class LengthField : public testing::TestWithParam<LengthCase> {};

TEST_P(LengthField, Reads) {
    const LengthResult length = ReadLength(GetParam().text);
    EXPECT_EQ(length.value, GetParam().value) << GetParam().text;
    EXPECT_EQ(length.valid, GetParam().valid) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Texts, LengthField,
                         testing::Values(LengthCase{"100", 100, true},
                                         LengthCase{" 2.5e3 ", 2500, true},
                                         LengthCase{"1.1e-10", 1.1e-10, true},
                                         LengthCase{"1e-10", 0, false}, LengthCase{"0", 0, false},
                                         LengthCase{"-5", 0, false}, LengthCase{"x", 0, false},
                                         LengthCase{"", 0, false}));

} // namespace
} // namespace zolk
