#pragma once
// The pictures of the window under their resource names, in the order in which the
// window makes its picture buttons. Every button has a released "_UP" and a pressed
// "_DN" picture of the size given here.
#include <array>
#include <string_view>

namespace pictures {

struct ButtonPictures {
    std::string_view base; // resource names are base + "_UP" and base + "_DN"
    int width;
    int height;
};

inline constexpr std::array<ButtonPictures, 27> kButtons = {{
    {"RECT", 100, 100},      {"RECTPIPE", 100, 100},  {"DOUBLET", 100, 100},
    {"HPROFILE", 100, 100},  {"POLY6", 100, 100},     {"POLY8", 100, 100},
    {"LPROFILE", 100, 100},  {"TPROFILE", 100, 100},  {"T2PROFILE", 100, 100},
    {"UPROFILE", 100, 100},  {"CPROFILE", 100, 100},  {"CIRCLE", 100, 100},
    {"OVAL", 100, 100},      {"TRIANGLE", 100, 100},  {"TRAPEZ", 100, 100},
    {"CROSS", 100, 100},     {"BEAM_CONC", 100, 50},  {"BEAM_LINE", 100, 50},
    {"BEAMP_CONC", 100, 50}, {"BEAMP_LINE", 100, 50}, {"CANTI_CONC", 100, 50},
    {"CANTI_LINE", 100, 50}, {"BUCK_FREE", 50, 100},  {"BUCK_PIN1", 50, 100},
    {"BUCK_PIN2", 50, 100},  {"BUCK_SLIDE", 50, 100}, {"EXIT", 25, 25},
}};

inline constexpr std::string_view kLogo = "ZOLK";     // 50 x 25, 256 colours
inline constexpr std::string_view kIcon = "MAINICON"; // .ico: 32 x 32 and 16 x 16
inline constexpr std::string_view kIcon32 = "MAINICON_32";
inline constexpr std::string_view kIcon16 = "MAINICON_16";

} // namespace pictures
