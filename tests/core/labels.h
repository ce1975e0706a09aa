#pragma once
// What the result labels show, for comparing with hand-checked tables.
#include "number/number.h"
#include "section/section.h"

#include <array>
#include <string>

namespace zolk::test {

using SectionLabels = std::array<std::string, 5>; // A, I, W, J, Wt

inline SectionLabels Labels(const SectionValues& v) {
    return {FormatExponent(v.area), FormatExponent(v.inertia), FormatExponent(v.modulus),
            FormatExponent(v.polarInertia), FormatExponent(v.polarModulus)};
}

inline const SectionLabels kZeroLabels{"0.000E+00", "0.000E+00", "0.000E+00", "0.000E+00",
                                       "0.000E+00"};

// The texts of the seven dimension fields as the window starts: h, w, t1, t2, r1, r2, s.
inline SectionTexts DefaultTexts() {
    return {"10", "10", "1", "1", "10", "0", "10"};
}

} // namespace zolk::test
