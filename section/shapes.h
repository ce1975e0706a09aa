#pragma once
// The section cases behind EvaluateSectionTexts: one function per shape, each taking the
// dimensions as the range rules leave them.
#include "section/section.h"

namespace zolk::section {

// Each of h, w, t1, t2 and s is above 1e-10 or exactly 0; either r1 >= 1e-10 and
// r1 > r2 >= 0, or r1 = 0 and r2 = -1.
struct Dimensions {
    double h = 0;
    double w = 0;
    double t1 = 0;
    double t2 = 0;
    double r1 = 0;
    double r2 = 0;
    double s = 0;
};

using FieldValidity = std::array<bool, kSectionFieldCount>;

// A shape returns its five values, or all zero when the dimensions do not make a section of
// it; a shape with thickness limits marks the thickness fields that break them.
using ShapeFunction = SectionValues (*)(const Dimensions&, FieldValidity&);

SectionValues Rectangle(const Dimensions& d, FieldValidity& valid);
SectionValues Triangle(const Dimensions& d, FieldValidity& valid);
SectionValues Trapezoid(const Dimensions& d, FieldValidity& valid);
SectionValues Hexagon(const Dimensions& d, FieldValidity& valid);
SectionValues Octagon(const Dimensions& d, FieldValidity& valid);
SectionValues Cross(const Dimensions& d, FieldValidity& valid);
SectionValues Circle(const Dimensions& d, FieldValidity& valid);
SectionValues Oval(const Dimensions& d, FieldValidity& valid);
SectionValues RectangularTube(const Dimensions& d, FieldValidity& valid);
SectionValues DoubleT(const Dimensions& d, FieldValidity& valid);
SectionValues HProfile(const Dimensions& d, FieldValidity& valid);
SectionValues LProfile(const Dimensions& d, FieldValidity& valid);
SectionValues TProfile(const Dimensions& d, FieldValidity& valid);
SectionValues SideTProfile(const Dimensions& d, FieldValidity& valid);
SectionValues UProfile(const Dimensions& d, FieldValidity& valid);
SectionValues CProfile(const Dimensions& d, FieldValidity& valid);

// Marks t1 and t2 by their two strict limits, t1 first; true when both hold.
inline bool WithinThicknessLimits(bool t1Holds, bool t2Holds, FieldValidity& valid) {
    if (!t1Holds)
        valid[FieldT1] = false;
    if (!t2Holds)
        valid[FieldT2] = false;
    return t1Holds && t2Holds;
}

inline bool AllPositive(const Dimensions& d) {
    return d.h > 0 && d.w > 0 && d.t1 > 0 && d.t2 > 0;
}

inline double Square(double x) {
    return x * x;
}
inline double Cube(double x) {
    return x * x * x;
}
inline double Fourth(double x) {
    return x * x * x * x;
}

} // namespace zolk::section
