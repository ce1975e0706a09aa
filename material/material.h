#pragma once
// The material catalogue and the custom Young's modulus entry.
#include <array>
#include <cstdint>
#include <string_view>

namespace zolk {

struct Material {
    std::uint8_t code;
    std::string_view radioButton;  // "RSteel"
    std::string_view caption;      // "Steel"
    double modulus;                // N/mm^2; 0 for the custom row, whose value is typed
    std::string_view valueControl; // "Label2", or "Mat_Youngs" for the custom row
    std::string_view valueText;    // "2.10E+5"
};

inline constexpr std::uint8_t kCustomMaterial = 10;
extern const std::array<Material, 11> kMaterials; // indexed by code

struct ModulusResult {
    double value = 0;
    bool valid = false;
};
// The custom entry: value 0 and invalid unless the text is a number of at least 1e-10.
ModulusResult ReadCustomModulus(std::string_view text);

} // namespace zolk
