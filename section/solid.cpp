// Solid shapes besides the rectangle: triangle, trapezoid, hexagon, octagon, cross, circular
// ring and elliptical ring.
#include "section/shapes.h"

#include <algorithm>
#include <cmath>

namespace zolk::section {
namespace {

// The constants are those of the hand formulas the results are checked against, not the
// full-precision values.
constexpr double kPi = 3.1415926;
constexpr double kHalfPi = 1.5707963;
constexpr double kQuarterPi = 0.78539815;
constexpr double kCrossTorsion = 1.17 / 3;

} // namespace

// Torsion of the equilateral triangle of side w: h does not enter J and Wt.
SectionValues Triangle(const Dimensions& d, FieldValidity&) {
    const double h = d.h;
    const double w = d.w;
    if (!(w > 0) || !(h > 0))
        return {};
    SectionValues v;
    v.area = 0.5 * w * h;
    v.inertia = w * Cube(h) / 36;
    v.modulus = w * Square(h) / 24;
    v.polarInertia = Fourth(w) / 46.19;
    v.polarModulus = Cube(w) / 20;
    return v;
}

// Base w at the bottom, side s at the top. No torsion values.
SectionValues Trapezoid(const Dimensions& d, FieldValidity&) {
    const double h = d.h;
    const double w = d.w;
    const double s = d.s;
    if (!(w > 0) || !(h > 0) || !(s >= 0))
        return {};
    SectionValues v;
    v.area = (w + s) * 0.5 * h;
    v.inertia = (Square(w) + 4 * w * s + Square(s)) * Cube(h) / (36 * (w + s));
    // W by the farther of the two parallel sides from the centroid: side s is the farther
    // one only while s < w.
    const double toSideS = h * (2 * w + s) / (3 * (w + s));
    const double toSideW = h * (w + 2 * s) / (3 * (w + s));
    v.modulus = v.inertia / std::max(toSideS, toSideW);
    return v;
}

// Regular hexagon, s across the flats.
SectionValues Hexagon(const Dimensions& d, FieldValidity&) {
    const double s = d.s;
    if (!(s > 0))
        return {};
    const double tangent = std::tan(kPi / 6);
    const double side = tangent * s;
    SectionValues v;
    v.area = tangent * 6 * Square(s) / 4;
    v.inertia = Fourth(side) * 5 * std::sqrt(3.0) / 16;
    v.modulus = 2 * v.inertia / s;
    v.polarInertia = 0.115 * Fourth(s);
    v.polarModulus = 0.188 * Cube(s);
    return v;
}

// Regular octagon, s across the flats.
SectionValues Octagon(const Dimensions& d, FieldValidity&) {
    const double s = d.s;
    if (!(s > 0))
        return {};
    const double angle = kPi / 8;
    const double circumradius = 0.5 * s / std::cos(angle);
    SectionValues v;
    v.area = std::tan(angle) * 8 * Square(s) / 4;
    v.inertia = Fourth(circumradius) * (2 * std::sqrt(2.0) + 1) / 6;
    v.modulus = 2 * v.inertia / s;
    v.polarInertia = 0.108 * Fourth(s);
    v.polarModulus = 0.185 * Cube(s);
    return v;
}

// Horizontal bar w by t1 and vertical bar h by t2, crossing at their middles.
SectionValues Cross(const Dimensions& d, FieldValidity& valid) {
    if (!AllPositive(d))
        return {};
    const double h = d.h;
    const double w = d.w;
    const double t1 = d.t1;
    const double t2 = d.t2;
    if (!WithinThicknessLimits(t1 < h, t2 < w, valid))
        return {};
    SectionValues v;
    v.area = t1 * w + (h - t1) * t2;
    v.inertia = (t2 * Cube(h) + (w - t2) * Cube(t1)) / 12;
    v.modulus = 2 * v.inertia / h;
    v.polarInertia = kCrossTorsion * ((w - t2) * Cube(t1) + h * Cube(t2));
    v.polarModulus = v.polarInertia / std::max(t1, t2);
    return v;
}

// Outer radius r1, inner radius r2 (0 for a solid circle).
SectionValues Circle(const Dimensions& d, FieldValidity&) {
    const double r1 = d.r1;
    const double r2 = d.r2;
    if (!(r1 > 0) || !(r2 >= 0))
        return {};
    SectionValues v;
    v.area = kPi * (Square(r1) - Square(r2));
    v.inertia = kPi * (Fourth(2 * r1) - Fourth(2 * r2)) / 64;
    v.modulus = v.inertia / r1;
    v.polarInertia = kHalfPi * (Fourth(r1) - Fourth(r2));
    v.polarModulus = v.polarInertia / r1;
    return v;
}

// Outer ellipse w by h, inner ellipse (w - 2 t2) by (h - 2 t1). The torsion values take the
// inner ellipse to be similar to the outer one.
SectionValues Oval(const Dimensions& d, FieldValidity& valid) {
    if (!AllPositive(d))
        return {};
    const double h = d.h;
    const double w = d.w;
    const double t1 = d.t1;
    const double t2 = d.t2;
    if (!WithinThicknessLimits(0.5 * h > t1, 0.5 * w > t2, valid))
        return {};

    // Semi-axes across the smaller outer dimension, and the ratio of the outer dimensions.
    double outer;
    double inner;
    double ratio;
    if (w < h) {
        outer = w / 2;
        inner = w / 2 - t2;
        ratio = h / w;
    } else {
        outer = h / 2;
        inner = h / 2 - t1;
        ratio = w / h;
    }
    SectionValues v;
    v.area = kQuarterPi * (w * h - (w - 2 * t2) * (h - 2 * t1));
    v.inertia = kQuarterPi * ((w / 2) * Cube(h / 2) - (w / 2 - t2) * Cube(h / 2 - t1));
    v.modulus = 2 * v.inertia / h;
    v.polarInertia = kPi * Cube(ratio) * (Fourth(outer) - Fourth(inner)) / (Square(ratio) + 1);
    v.polarModulus = kPi * ratio * (Fourth(outer) - Fourth(inner)) / (2 * outer);
    return v;
}

} // namespace zolk::section
