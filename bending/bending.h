#pragma once
// Largest moment, stress and deflection of a beam in one of six load cases.
#include "number/fault.h"

#include <cstdint>
#include <string_view>

namespace zolk {

// 0 clamped/clamped point load, 1 clamped/clamped line load, 2 pinned/pinned point load,
// 3 pinned/pinned line load, 4 cantilever point load, 5 cantilever line load.
inline constexpr int kLoadCaseCount = 6;

struct BendingTexts {
    std::string_view force;    // Bending_F, N
    std::string_view position; // Bending_s, per cent of L
    std::string_view lineLoad; // Bending_q, N/mm
};

struct BendingMember {
    double youngsModulus = 0; // E, N/mm^2
    double inertia = 0;       // I, mm^4
    double modulus = 0;       // W, mm^3
    double length = 0;        // L, mm
};

struct BendingResult {
    double moment = 0;     // M, N mm
    double stress = 0;     // sigma, N/mm^2
    double deflection = 0; // delta, mm
    double position = 0;   // 100 x_m: per cent of L from the left end
    bool forceValid = false;
    bool positionValid = false;
    bool lineLoadValid = false;
    Fault fault = Fault::None; // all four values 0 when set
};

BendingResult EvaluateBendingTexts(const BendingTexts& texts, std::uint8_t loadCase,
                                   const BendingMember& member);

} // namespace zolk
