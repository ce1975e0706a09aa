#pragma once
// Euler critical load of a column for four end conditions.
#include "number/fault.h"

#include <cstdint>

namespace zolk {

// 0 clamped/free (k 4), 1 clamped/pinned (k 0.49), 2 pinned/pinned (k 1), 3 clamped/sliding (k
// 0.25).
inline constexpr int kBucklingCaseCount = 4;

struct BucklingResult {
    double criticalLoad = 0;   // N
    double stress = 0;         // N/mm^2
    Fault fault = Fault::None; // both 0 when set
};

BucklingResult EvaluateEuler(std::uint8_t bucklingCase, double youngsModulus, double inertia,
                             double area, double length);

} // namespace zolk
