#pragma once
// Section values of the sixteen shapes, from the texts of the seven dimension fields.
#include "number/fault.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace zolk {

// The seven dimension fields, in the order they are read.
enum SectionField : std::uint8_t { FieldH, FieldW, FieldT1, FieldT2, FieldR1, FieldR2, FieldS };
inline constexpr int kSectionFieldCount = 7;
inline constexpr int kSectionCodeCount = 16;

using SectionTexts = std::array<std::string_view, kSectionFieldCount>;

struct SectionValues {
    double area = 0;         // A, mm^2
    double inertia = 0;      // I about the horizontal centroidal axis, mm^4
    double modulus = 0;      // W, mm^3
    double polarInertia = 0; // J, mm^4
    double polarModulus = 0; // Wt, mm^3
};

struct SectionResult {
    SectionValues values;                         // all 0 on rejection or fault
    std::array<bool, kSectionFieldCount> valid{}; // false: the field shows the invalid colour
    Fault fault = Fault::None;                    // values are all 0 when set
};

// code: 0..15 (0 Rect, 1 Rectpipe, 2 Triangle, ... 15 Oval). Codes out of range give zeros.
SectionResult EvaluateSectionTexts(const SectionTexts& texts, std::uint8_t code);

// The length field: value 0 and invalid unless the text is a number above 1e-10.
struct LengthResult {
    double value = 0;
    bool valid = false;
};
LengthResult ReadLength(std::string_view text);

} // namespace zolk
