#pragma once
// Torsion coefficients of a solid rectangle by its side ratio.

namespace zolk::section {

struct TorsionCoefficients {
    double inertia; // cJ: J = cJ * long side * short side^3
    double modulus; // cW: Wt = cW * long side * short side^2
};

// ratio: long side over short side, at least 1. Linear between the table points up to
// just below 10, and 0.333 from 10 on.
TorsionCoefficients RectangleTorsion(double ratio);

} // namespace zolk::section
