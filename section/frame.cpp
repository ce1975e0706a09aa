// Reading the seven dimension fields, the range rules, and dispatch to the shapes.
#include "number/number.h"
#include "section/shapes.h"

namespace zolk {
namespace {

using section::Dimensions;
using section::ShapeFunction;

// Dimensions at or below this are missing.
constexpr double kUsable = 1e-10;

// What a field holds when its text is not a number. The -1 of r2 breaks the radius rule,
// so both radius fields are marked then.
constexpr std::array<double, kSectionFieldCount> kFallback{1e-10, 1e-10, 1e-10, 1e-10,
                                                           1e-10, -1,    1e-10};

// Indexed by section code.
constexpr std::array<ShapeFunction, kSectionCodeCount> kShapes{
    section::Rectangle, section::RectangularTube, section::Triangle, section::Trapezoid,
    section::DoubleT,   section::HProfile,        section::Hexagon,  section::Octagon,
    section::LProfile,  section::Cross,           section::TProfile, section::SideTProfile,
    section::UProfile,  section::CProfile,        section::Circle,   section::Oval,
};

} // namespace

SectionResult EvaluateSectionTexts(const SectionTexts& texts, std::uint8_t code) {
    SectionResult result;
    std::array<double, kSectionFieldCount> value{};
    for (int field = 0; field < kSectionFieldCount; ++field) {
        const std::optional<double> number = ReadNumber(texts[field]);
        result.valid[field] = number.has_value();
        value[field] = number.value_or(kFallback[field]);
    }

    // Radius rule: r1 at least 1e-10 and above r2, r2 not negative; else both are marked.
    double& r1 = value[FieldR1];
    double& r2 = value[FieldR2];
    if (!(r1 > r2) || r1 < kUsable || r2 < 0) {
        result.valid[FieldR1] = false;
        r1 = 0;
        result.valid[FieldR2] = false;
        r2 = -1;
    }

    // Lower bounds: a missing dimension becomes 0, which every shape's gate rejects.
    for (const SectionField field : {FieldH, FieldW, FieldT1, FieldT2, FieldS}) {
        if (!(value[field] > kUsable)) {
            result.valid[field] = false;
            value[field] = 0;
        }
    }

    if (code >= kSectionCodeCount)
        return result;

    ClearFloatFaults(value);
    const Dimensions dimensions{value[FieldH],  value[FieldW],  value[FieldT1], value[FieldT2],
                                value[FieldR1], value[FieldR2], value[FieldS]};
    const SectionValues values = kShapes[code](dimensions, result.valid);
    const double results[] = {values.area, values.inertia, values.modulus, values.polarInertia,
                              values.polarModulus};
    result.fault = RaisedFloatFault(results);
    if (result.fault == Fault::None)
        result.values = values;
    return result;
}

} // namespace zolk
