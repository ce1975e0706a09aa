// Open profiles of straight plates: J = (eta / 3) * sum of b t^3 over the plates, and
// Wt = J / tmax.
#include "section/shapes.h"

#include <algorithm>
#include <cmath>

namespace zolk::section {
namespace {

// eta / 3 for the torsion shape factor eta of each profile family.
constexpr double kTorsionIH = 1.31 / 3;    // I and H sections
constexpr double kTorsionTUC = 1.12 / 3;   // T, lying T, U and C sections
constexpr double kTorsionAngle = 0.99 / 3; // angle

// W by the farther of the top and bottom edges, e being the centroid's depth below the top.
double ModulusFromTop(double inertia, double h, double e) {
    return h - e > e ? inertia / (h - e) : inertia / e;
}

// A, e, I and W of a vertical plate h by t2 and a top plate (w - t2) by t1: the angle and
// the T share them, since sliding a vertical plate sideways changes none of them.
SectionValues AngleOrT(const Dimensions& d) {
    const double h = d.h;
    const double w = d.w;
    const double t1 = d.t1;
    const double t2 = d.t2;
    SectionValues v;
    v.area = h * t2 + (w - t2) * t1;
    const double e = (t2 * Square(h) + (w - t2) * Square(t1)) * 0.5 / (t2 * h + (w - t2) * t1);
    v.inertia =
        (t2 * Cube(h) + (w - t2) * Cube(t1)) * (1.0 / 3) - (t2 * h + (w - t2) * t1) * Square(e);
    v.modulus = ModulusFromTop(v.inertia, h, e);
    return v;
}

} // namespace

// Flanges w by t1 at top and bottom, web (h - 2 t1) by t2 in the middle.
SectionValues DoubleT(const Dimensions& d, FieldValidity& valid) {
    if (!AllPositive(d))
        return {};
    const double h = d.h;
    const double w = d.w;
    const double t1 = d.t1;
    const double t2 = d.t2;
    if (!WithinThicknessLimits(t1 < 0.5 * h, t2 < w, valid))
        return {};
    SectionValues v;
    v.area = w * h - (w - t2) * (h - 2 * t1);
    v.inertia = (w * Cube(h) - (w - t2) * Cube(h - 2 * t1)) * (1.0 / 12);
    v.modulus = 2 * v.inertia / h;
    v.polarInertia = kTorsionIH * ((h - 2 * t1) * Cube(t2) + 2 * w * Cube(t1));
    v.polarModulus = v.polarInertia / std::max(t1, t2);
    return v;
}

// Flanges h by t2 at left and right, web (w - 2 t2) by t1 at mid-height.
SectionValues HProfile(const Dimensions& d, FieldValidity& valid) {
    if (!AllPositive(d))
        return {};
    const double h = d.h;
    const double w = d.w;
    const double t1 = d.t1;
    const double t2 = d.t2;
    if (!WithinThicknessLimits(t1 < h, t2 < 0.5 * w, valid))
        return {};
    SectionValues v;
    v.area = (w - 2 * t2) * t1 + 2 * h * t2;
    v.inertia = ((w - 2 * t2) * Cube(t1) + 2 * t2 * Cube(h)) * (1.0 / 12);
    v.modulus = 2 * v.inertia / h;
    v.polarInertia = kTorsionIH * ((w - 2 * t2) * Cube(t1) + 2 * h * Cube(t2));
    v.polarModulus = v.polarInertia / std::max(t1, t2);
    return v;
}

// Leg (w - t2) by t1 along the top, leg h by t2 down the left.
SectionValues LProfile(const Dimensions& d, FieldValidity& valid) {
    if (!AllPositive(d))
        return {};
    const double h = d.h;
    const double w = d.w;
    const double t1 = d.t1;
    const double t2 = d.t2;
    if (!WithinThicknessLimits(t1 < h, t2 < w, valid))
        return {};
    SectionValues v = AngleOrT(d);
    v.polarInertia = kTorsionAngle * ((w - t2) * Cube(t1) + h * Cube(t2));
    v.polarModulus = v.polarInertia / std::max(t1, t2);
    return v;
}

// Flange w by t1 along the top, stem (h - t1) by t2 below its middle.
SectionValues TProfile(const Dimensions& d, FieldValidity& valid) {
    if (!AllPositive(d))
        return {};
    const double h = d.h;
    const double w = d.w;
    const double t1 = d.t1;
    const double t2 = d.t2;
    if (!WithinThicknessLimits(t1 < h, t2 < w, valid))
        return {};
    SectionValues v = AngleOrT(d);
    v.polarInertia = kTorsionTUC * (w * Cube(t1) + (h - t1) * Cube(t2));
    v.polarModulus = v.polarInertia / std::max(t1, t2);
    return v;
}

// T lying on its side: plate h by t2 down the left, plate (w - t2) by t1 at mid-height.
SectionValues SideTProfile(const Dimensions& d, FieldValidity& valid) {
    if (!AllPositive(d))
        return {};
    const double h = d.h;
    const double w = d.w;
    const double t1 = d.t1;
    const double t2 = d.t2;
    if (!WithinThicknessLimits(t1 < h, t2 < w, valid))
        return {};
    SectionValues v;
    v.area = h * t2 + (w - t2) * t1;
    v.inertia = (t2 * Cube(h) + (w - t2) * Cube(t1)) * (1.0 / 12);
    v.modulus = (t2 * Cube(h) + (w - t2) * Cube(t1)) / (6 * h);
    v.polarInertia = kTorsionTUC * ((w - t2) * Cube(t1) + h * Cube(t2));
    v.polarModulus = v.polarInertia / std::max(t1, t2);
    return v;
}

// Channel opening downwards: top plate (w - 2 t2) by t1 between legs h by t2.
SectionValues UProfile(const Dimensions& d, FieldValidity& valid) {
    if (!AllPositive(d))
        return {};
    const double h = d.h;
    const double w = d.w;
    const double t1 = d.t1;
    const double t2 = d.t2;
    if (!WithinThicknessLimits(t1 < h, t2 < 0.5 * w, valid))
        return {};
    SectionValues v;
    v.area = w * h - (w - 2 * t2) * (h - t1);
    const double e =
        ((w - 2 * t2) * Square(t1) + 2 * t2 * Square(h)) * 0.5 / ((w - 2 * t2) * t1 + 2 * t2 * h);
    v.inertia = ((w - 2 * t2) * Cube(t1) + 2 * t2 * Cube(h)) * (1.0 / 3) -
                ((w - 2 * t2) * t1 + 2 * t2 * h) * Square(e);
    v.modulus = ModulusFromTop(v.inertia, h, e);
    v.polarInertia = kTorsionTUC * ((w - 2 * t2) * Cube(t1) + 2 * h * Cube(t2));
    v.polarModulus = v.polarInertia / std::max(t1, t2);
    return v;
}

// Channel opening to the right: flanges w by t1 at top and bottom, web (h - 2 t1) by t2.
SectionValues CProfile(const Dimensions& d, FieldValidity& valid) {
    if (!AllPositive(d))
        return {};
    const double h = d.h;
    const double w = d.w;
    const double t1 = d.t1;
    const double t2 = d.t2;
    if (!WithinThicknessLimits(t1 < 0.5 * h, t2 < w, valid))
        return {};
    SectionValues v;
    v.area = w * h - (w - t2) * (h - 2 * t1);
    v.inertia = (std::pow(h, 3) * w - std::pow(h - 2 * t1, 3) * (w - t2)) * (1.0 / 12);
    v.modulus = 2 * v.inertia / h;
    v.polarInertia = kTorsionTUC * ((h - 2 * t1) * Cube(t2) + 2 * w * Cube(t1));
    v.polarModulus = v.polarInertia / std::max(t1, t2);
    return v;
}

} // namespace zolk::section
