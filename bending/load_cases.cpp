#include "bending/load_cases.h"

#include <cmath>

namespace zolk::bending {
namespace {

// A length, section value or modulus below this is missing.
constexpr double kUsable = 1e-10;
bool Usable(double value) {
    return value >= kUsable;
}

// 5/384, the line-load factor of the simply supported beam.
constexpr double kPinnedLineDeflection = 0.013020833333333334;

double Square(double x) {
    return x * x;
}
double Cube(double x) {
    return x * x * x;
}
double Fourth(double x) {
    return x * x * x * x;
}

// The cases without a point position: M always, sigma with I, W and L, delta with E too.
template <typename Moment, typename Deflection>
LoadResults Uniform(const LoadInputs& in, Moment moment, Deflection deflection) {
    LoadResults r;
    r.moment = moment();
    if (!Usable(in.inertia) || !Usable(in.modulus) || !Usable(in.length))
        return r;
    r.stress = r.moment / in.modulus;
    if (Usable(in.youngsModulus))
        r.deflection = deflection();
    return r;
}

} // namespace

// Both ends clamped, point load F at s per cent of L from the left.
LoadResults ClampedPointLoad(const LoadInputs& in) {
    const double f = in.force;
    const double e = in.youngsModulus;
    const double i = in.inertia;
    const double l = in.length;
    LoadResults r;
    if (!in.positionValid || !Usable(l))
        return r;
    const double a = 0.01 * in.position * l;
    const double b = l - a;
    // The larger of the two clamping moments.
    r.moment = in.position < 50 ? f * a * Square(b) / Square(l) : f * Square(a) * b / Square(l);
    if (!Usable(i) || !Usable(in.modulus))
        return r;
    r.stress = r.moment / in.modulus;
    if (!Usable(e))
        return r;
    // Measured from the left end whichever side of the middle the load stands on.
    if (a > b) {
        r.deflection =
            2 * f * Cube(a) * Square(b) / (3 * e * i * Square(l)) / Square(2 * a / l + 1);
        r.xm = 1 / (l / (2 * a) + 1);
    } else {
        r.deflection =
            2 * f * Square(a) * Cube(b) / (3 * e * i * Square(l)) / Square(2 * b / l + 1);
        r.xm = 1 - 1 / (l / (2 * b) + 1);
    }
    return r;
}

LoadResults ClampedLineLoad(const LoadInputs& in) {
    const double q = in.lineLoad;
    const double l = in.length;
    return Uniform(
        in, [&] { return q * Square(l) * (1.0 / 12); },
        [&] { return q * Fourth(l) / (384 * in.youngsModulus * in.inertia); });
}

// Both ends pinned, point load F at s per cent of L from the left. Unlike the cases without
// a position, an invalid s gives zeros.
LoadResults PinnedPointLoad(const LoadInputs& in) {
    const double f = in.force;
    const double e = in.youngsModulus;
    const double i = in.inertia;
    const double l = in.length;
    LoadResults r;
    if (!in.positionValid)
        return r;
    const double a = 0.01 * in.position * l;
    const double b = l - a;
    const double g = 0.01 * in.position;
    r.moment = f * g * (1 - g) * l;
    if (!Usable(i) || !Usable(in.modulus) || !Usable(l))
        return r;
    r.stress = r.moment / in.modulus;
    if (!Usable(e))
        return r;
    // Every valid s, 0 and loads near a support included, gets its deflection.
    if (a > b) {
        r.deflection =
            f * b * std::sqrt(Cube(Square(l) - Square(b))) / (9 * std::sqrt(3.0) * e * i * l);
        r.xm = std::sqrt((Square(l) - Square(b)) * (1.0 / 3)) / l;
    } else {
        r.deflection =
            f * a * std::sqrt(Cube(Square(l) - Square(a))) / (9 * std::sqrt(3.0) * e * i * l);
        r.xm = 1 - std::sqrt((Square(l) - Square(a)) * (1.0 / 3)) / l;
    }
    return r;
}

LoadResults PinnedLineLoad(const LoadInputs& in) {
    const double q = in.lineLoad;
    const double l = in.length;
    return Uniform(
        in, [&] { return 0.125 * q * Square(l); },
        [&] { return kPinnedLineDeflection * q * Fourth(l) / (in.youngsModulus * in.inertia); });
}

LoadResults CantileverPointLoad(const LoadInputs& in) {
    const double f = in.force;
    const double l = in.length;
    return Uniform(
        in, [&] { return f * l; },
        [&] { return f * Cube(l) / (3 * in.youngsModulus * in.inertia); });
}

LoadResults CantileverLineLoad(const LoadInputs& in) {
    const double q = in.lineLoad;
    const double l = in.length;
    return Uniform(
        in, [&] { return 0.5 * q * Square(l); },
        [&] { return q * Fourth(l) / (8 * in.youngsModulus * in.inertia); });
}

} // namespace zolk::bending
