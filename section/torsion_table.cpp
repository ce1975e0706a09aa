#include "section/torsion_table.h"

#include <array>

namespace zolk::section {
namespace {

struct TorsionPoint {
    double ratio;
    double inertia;
    double modulus;
    double factor; // 1 / (next ratio - ratio): turns the distance from here into t
};

constexpr std::array<TorsionPoint, 8> kTable{{
    {1, 0.141, 0.208, 2},
    {1.5, 0.196, 0.231, 2},
    {2, 0.229, 0.246, 1},
    {3, 0.263, 0.267, 1},
    {4, 0.281, 0.282, 0.5},
    {6, 0.298, 0.299, 0.5},
    {8, 0.307, 0.307, 0.5},
    {10, 0.312, 0.312, 0}, // only the upper end of the last segment
}};

// Beyond the table the thin-strip value 1/3 holds, rounded as the table is.
constexpr double kLongStrip = 0.333;

} // namespace

TorsionCoefficients RectangleTorsion(double ratio) {
    for (std::size_t k = 0; k + 1 < kTable.size(); ++k) {
        const TorsionPoint& here = kTable[k];
        const TorsionPoint& next = kTable[k + 1];
        if (ratio < next.ratio) {
            const double t = (ratio - here.ratio) * here.factor;
            return {t * (next.inertia - here.inertia) + here.inertia,
                    t * (next.modulus - here.modulus) + here.modulus};
        }
    }
    return {kLongStrip, kLongStrip};
}

} // namespace zolk::section
