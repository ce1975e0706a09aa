// Reading the three load fields and running the load case, watched for floating-point faults.
#include "bending/bending.h"
#include "bending/load_cases.h"
#include "number/number.h"

#include <array>

namespace zolk {
namespace {

using bending::LoadCaseFunction;

constexpr std::array<LoadCaseFunction, kLoadCaseCount> kLoadCases{
    bending::ClampedPointLoad, bending::ClampedLineLoad,     bending::PinnedPointLoad,
    bending::PinnedLineLoad,   bending::CantileverPointLoad, bending::CantileverLineLoad,
};

// A field that is not a number counts as 0.
double ReadField(std::string_view text, bool& valid) {
    const std::optional<double> number = ReadNumber(text);
    valid = number.has_value();
    return number.value_or(0);
}

} // namespace

BendingResult EvaluateBendingTexts(const BendingTexts& texts, std::uint8_t loadCase,
                                   const BendingMember& member) {
    BendingResult result;
    // All three are read and judged whichever case is chosen.
    double force = ReadField(texts.force, result.forceValid);
    double position = ReadField(texts.position, result.positionValid);
    if (position < 0 || position > 100)
        result.positionValid = false;
    double lineLoad = ReadField(texts.lineLoad, result.lineLoadValid);

    if (loadCase >= kLoadCaseCount)
        return result;

    double inputs[] = {force,          position,       lineLoad,     member.youngsModulus,
                       member.inertia, member.modulus, member.length};
    ClearFloatFaults(inputs);
    bending::LoadInputs in;
    in.force = inputs[0];
    in.position = inputs[1];
    in.positionValid = result.positionValid;
    in.lineLoad = inputs[2];
    in.youngsModulus = inputs[3];
    in.inertia = inputs[4];
    in.modulus = inputs[5];
    in.length = inputs[6];

    const bending::LoadResults r = kLoadCases[loadCase](in);
    const double position100 = 100 * r.xm;
    const double results[] = {r.moment, r.stress, r.deflection, position100};
    result.fault = RaisedFloatFault(results);
    if (result.fault == Fault::None) {
        result.moment = r.moment;
        result.stress = r.stress;
        result.deflection = r.deflection;
        result.position = position100;
    }
    return result;
}

} // namespace zolk
