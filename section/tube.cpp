#include "section/shapes.h"

namespace zolk::section {

// Closed rectangular tube: top and bottom walls t1, side walls t2. Torsion by Bredt's
// thin-walled formulas on the wall's midline rectangle (w - t2) by (h - t1).
SectionValues RectangularTube(const Dimensions& d, FieldValidity& valid) {
    if (!AllPositive(d))
        return {};
    const double h = d.h;
    const double w = d.w;
    const double t1 = d.t1;
    const double t2 = d.t2;
    if (!WithinThicknessLimits(t1 < 0.5 * h, t2 < 0.5 * w, valid))
        return {};
    const double tmin = t1 < t2 ? t1 : t2;
    SectionValues v;
    v.area = w * h - (w - 2 * t2) * (h - 2 * t1);
    v.inertia = (w * Cube(h) - (w - 2 * t2) * Cube(h - 2 * t1)) * (1.0 / 12);
    v.modulus = 2 * v.inertia / h;
    v.polarInertia = 2 * Square((w - t2) * (h - t1)) / ((w - t2) / t1 + (h - t1) / t2);
    // Wt = 2 Am tmin with the same midline area Am as J, not the outer w h.
    v.polarModulus = 2 * (w - t2) * (h - t1) * tmin;
    return v;
}

} // namespace zolk::section
