#include "section/shapes.h"
#include "section/torsion_table.h"

namespace zolk::section {

SectionValues Rectangle(const Dimensions& d, FieldValidity&) {
    const double h = d.h;
    const double w = d.w;
    if (!(h > 0) || !(w > 0))
        return {};

    SectionValues v;
    v.area = h * w;
    v.inertia = Cube(h) * w / 12;
    v.modulus = 2 * v.inertia / h;

    double ratio = h / w;
    double longSide = h;
    double shortSide = w;
    if (ratio < 1) {
        ratio = 1 / ratio;
        longSide = w;
        shortSide = h;
    }
    const TorsionCoefficients c = RectangleTorsion(ratio);
    v.polarInertia = c.inertia * longSide * Cube(shortSide);
    v.polarModulus = c.modulus * longSide * Square(shortSide);
    return v;
}

} // namespace zolk::section
