#pragma once
// What each choice of shape, load case and column case shows on its page.
#include <array>
#include <cstdint>
#include <string_view>

namespace zolk {

// The picture buttons in the order their pairs are made; each has an UP and a DN picture,
// loaded from "<resource>_UP" and "<resource>_DN".
enum class ButtonGroup : std::uint8_t { Section, LoadCase, Buckling, Exit };

struct PictureButtonRow {
    std::string_view button;   // object name
    std::string_view resource; // base of the resource names
    ButtonGroup group;
    std::uint8_t code; // the code its selector stores
};

inline constexpr std::array<PictureButtonRow, 27> kPictureButtons{{
    {"Rect", "RECT", ButtonGroup::Section, 0},
    {"Rectpipe", "RECTPIPE", ButtonGroup::Section, 1},
    {"DoubleT", "DOUBLET", ButtonGroup::Section, 4},
    {"Hprofile", "HPROFILE", ButtonGroup::Section, 5},
    {"Poly6", "POLY6", ButtonGroup::Section, 6},
    {"Poly8", "POLY8", ButtonGroup::Section, 7},
    {"Lprofile", "LPROFILE", ButtonGroup::Section, 8},
    {"Tprofile", "TPROFILE", ButtonGroup::Section, 10},
    {"t2profile", "T2PROFILE", ButtonGroup::Section, 11},
    {"Uprofile", "UPROFILE", ButtonGroup::Section, 12},
    {"Cprofile", "CPROFILE", ButtonGroup::Section, 13},
    {"Circle", "CIRCLE", ButtonGroup::Section, 14},
    {"Oval", "OVAL", ButtonGroup::Section, 15},
    {"Triangle", "TRIANGLE", ButtonGroup::Section, 2},
    {"Trapez", "TRAPEZ", ButtonGroup::Section, 3},
    {"Cross", "CROSS", ButtonGroup::Section, 9},
    {"BeamConc", "BEAM_CONC", ButtonGroup::LoadCase, 0},
    {"BeamLine", "BEAM_LINE", ButtonGroup::LoadCase, 1},
    {"BeampConc", "BEAMP_CONC", ButtonGroup::LoadCase, 2},
    {"BeampLine", "BEAMP_LINE", ButtonGroup::LoadCase, 3},
    {"CantiConc", "CANTI_CONC", ButtonGroup::LoadCase, 4},
    {"CantiLine", "CANTI_LINE", ButtonGroup::LoadCase, 5},
    {"BuckFree", "BUCK_FREE", ButtonGroup::Buckling, 0},
    {"BuckPin1", "BUCK_PIN1", ButtonGroup::Buckling, 1},
    {"BuckPin2", "BUCK_PIN2", ButtonGroup::Buckling, 2},
    {"BuckSlide", "BUCK_SLIDE", ButtonGroup::Buckling, 3},
    {"EXIT", "EXIT", ButtonGroup::Exit, 0},
}};

// Index into kPictureButtons of the button that stores `code` in `group`; -1 if none.
constexpr int PictureButtonIndex(ButtonGroup group, std::uint8_t code) {
    for (int i = 0; i < static_cast<int>(kPictureButtons.size()); ++i)
        if (kPictureButtons[i].group == group && kPictureButtons[i].code == code)
            return i;
    return -1;
}

// The choices at start.
inline constexpr std::uint8_t kStartSection = 2;  // triangle
inline constexpr std::uint8_t kStartLoadCase = 4; // cantilever, point load
inline constexpr std::uint8_t kStartBuckling = 0; // clamped, free

constexpr std::uint8_t StartCode(ButtonGroup group) {
    switch (group) {
    case ButtonGroup::Section:
        return kStartSection;
    case ButtonGroup::LoadCase:
        return kStartLoadCase;
    case ButtonGroup::Buckling:
        return kStartBuckling;
    case ButtonGroup::Exit:
        break;
    }
    return 0;
}

// The dimension fields of the Geometry page in four groups, in the order their
// visibility is set.
enum DimensionGroup : std::uint8_t { HeightWidth, Thicknesses, Radii, SingleSize };
inline constexpr std::array<std::array<std::string_view, 4>, 4> kDimensionGroups{{
    {"hLabel", "h", "wLabel", "w"},
    {"t1Label", "t1", "t2Label", "t2"},
    {"r1Label", "r1", "r2Label", "r2"},
    {"sLabel", "s", "", ""},
}};

struct XMove {
    std::string_view control;
    int x;
};

struct SectionShapeRow {
    std::uint8_t code;
    std::string_view button;
    std::array<bool, 4> groupShown; // by DimensionGroup
    std::array<XMove, 4> moves;     // in order; empty names end the list
    bool notesShown;
    std::string_view approx1;
    std::string_view approx2;
};

inline constexpr std::string_view kThinWalled = "Thin walled only!";

// Indexed by section code.
inline constexpr std::array<SectionShapeRow, 16> kSectionShapes{{
    {0, "Rect", {true, false, false, false}, {}, true, "Approximation!", " "},
    {1, "Rectpipe", {true, true, false, false}, {}, true, "Approximation!", kThinWalled},
    {2,
     "Triangle",
     {true, false, false, false},
     {},
     true,
     "Approximation!",
     "Equilateral tri, h discarded"},
    {3,
     "Trapez",
     {true, false, false, true},
     {{{"sLabel", 136}, {"s", 176}}},
     true,
     "Not available!",
     " "},
    {4, "DoubleT", {true, true, false, false}, {}, true, "Approximation!", kThinWalled},
    {5, "Hprofile", {true, true, false, false}, {}, true, "Approximation!", kThinWalled},
    {6,
     "Poly6",
     {false, false, false, true},
     {{{"sLabel", 16}, {"s", 56}}},
     true,
     "Approximation!",
     " "},
    {7,
     "Poly8",
     {false, false, false, true},
     {{{"sLabel", 16}, {"s", 56}}},
     true,
     "Approximation!",
     " "},
    {8, "Lprofile", {true, true, false, false}, {}, true, "Approximation!", kThinWalled},
    {9, "Cross", {true, true, false, false}, {}, true, "Approximation!", kThinWalled},
    {10, "Tprofile", {true, true, false, false}, {}, true, "Approximation!", kThinWalled},
    {11, "t2profile", {true, true, false, false}, {}, true, "Approximation!", kThinWalled},
    {12, "Uprofile", {true, true, false, false}, {}, true, "Approximation!", kThinWalled},
    {13, "Cprofile", {true, true, false, false}, {}, true, "Approximation!", kThinWalled},
    {14,
     "Circle",
     {false, false, true, false},
     {{{"r1Label", 16}, {"r1", 56}, {"r2Label", 16}, {"r2", 56}}},
     false,
     "",
     ""},
    {15,
     "Oval",
     {true, true, false, false},
     {},
     true,
     "Approximation!",
     "h/w = (h-2*t1)/(w-2*t2)!"},
}};

// The controls of the Bending page that depend on the load case, in the order their
// visibility is set, as label/edit pairs: force, position, line load, position result.
inline constexpr std::array<std::string_view, 8> kLoadCaseControls{
    "FLabel", "Bending_F", "PosLabel",  "Bending_s",
    "qLabel", "Bending_q", "Pos2Label", "Bending_xm"};

struct LoadCaseRow {
    std::uint8_t code;
    std::string_view button;
    bool force, position, lineLoad, positionResult;
    bool lineLoadInForceRow; // the line-load row moves up into the hidden force row
};

inline constexpr int kForceRowTop = 192;

inline constexpr std::array<LoadCaseRow, 6> kLoadCases{{
    {0, "BeamConc", true, true, false, true, false},
    {1, "BeamLine", false, false, true, false, true},
    {2, "BeampConc", true, true, false, true, false},
    {3, "BeampLine", false, false, true, false, true},
    {4, "CantiConc", true, false, false, false, false},
    {5, "CantiLine", false, false, true, false, true},
}};

} // namespace zolk
