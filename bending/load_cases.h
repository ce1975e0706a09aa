#pragma once
// The six load cases behind EvaluateBendingTexts.

namespace zolk::bending {

struct LoadInputs {
    double force = 0;    // F, N
    double position = 0; // s, per cent of L
    bool positionValid = false;
    double lineLoad = 0; // q, N/mm
    double youngsModulus = 0;
    double inertia = 0;
    double modulus = 0;
    double length = 0;
};

struct LoadResults {
    double moment = 0;
    double stress = 0;
    double deflection = 0;
    double xm = 0; // position of the largest deflection as a fraction of L
};

using LoadCaseFunction = LoadResults (*)(const LoadInputs&);

LoadResults ClampedPointLoad(const LoadInputs& in);    // 0
LoadResults ClampedLineLoad(const LoadInputs& in);     // 1
LoadResults PinnedPointLoad(const LoadInputs& in);     // 2
LoadResults PinnedLineLoad(const LoadInputs& in);      // 3
LoadResults CantileverPointLoad(const LoadInputs& in); // 4
LoadResults CantileverLineLoad(const LoadInputs& in);  // 5

} // namespace zolk::bending
