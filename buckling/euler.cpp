#include "buckling/buckling.h"

#include <array>

namespace zolk {
namespace {

// The square of 3.1415926, the value of pi the section formulas use.
constexpr double kPiSquared = 9.86960406437476;

// Effective length squared over L squared, by buckling case.
constexpr std::array<double, kBucklingCaseCount> kLengthFactor{4, 0.49, 1, 0.25};

constexpr double kUsable = 1e-10;

} // namespace

BucklingResult EvaluateEuler(std::uint8_t bucklingCase, double youngsModulus, double inertia,
                             double area, double length) {
    BucklingResult result;
    if (bucklingCase >= kBucklingCaseCount)
        return result;

    double inputs[] = {youngsModulus, inertia, area, length};
    ClearFloatFaults(inputs);
    const double e = inputs[0];
    const double i = inputs[1];
    const double a = inputs[2];
    const double l = inputs[3];

    // E and I are not tested: a zero E or I gives zero results through P0.
    const double p0 = kPiSquared * e * i;
    double load = 0;
    double stress = 0;
    if (l >= kUsable && a >= kUsable) {
        // Pinned at both ends the divisor is L L alone.
        const double divisor = bucklingCase == 2 ? l * l : kLengthFactor[bucklingCase] * l * l;
        load = p0 / divisor;
        stress = load / a;
    }

    const double results[] = {p0, load, stress};
    result.fault = RaisedFloatFault(results);
    if (result.fault == Fault::None) {
        result.criticalLoad = load;
        result.stress = stress;
    }
    return result;
}

} // namespace zolk
