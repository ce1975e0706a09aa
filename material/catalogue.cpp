#include "material/material.h"

namespace zolk {

// The value labels write E in units of 1e5 N/mm^2 as fixed captions; the stored moduli are
// the exact numbers.
const std::array<Material, 11> kMaterials{{
    {0, "RSteel", "Steel", 210000, "Label2", "2.10E+5"},
    {1, "RAluminum", "Aluminum", 71000, "Label17", "0.71E+5"},
    {2, "RBrass", "Brass", 98000, "Label19", "0.98E+5"},
    {3, "RBronze", "Bronze", 110000, "Label21", "1.10E+5"},
    {4, "RCopper", "Copper", 123000, "Label4", "1.23E+5"},
    {5, "RTitanium", "Titanium", 110000, "Label6", "1.10E+5"},
    {6, "RNickel", "Nickel", 210000, "Label8", "2.10E+5"},
    {7, "RMagnesium", "Magnesium", 44000, "Label9", "0.44E+5"},
    {8, "RZinc", "Zinc", 98000, "Label10", "0.98E+5"},
    {9, "RQuarz", "Glass (Quartz)", 75000, "Label11", "0.75E+5"},
    {kCustomMaterial, "RCustom", "Custom Material", 0, "Mat_Youngs", "2.10E+5"},
}};

} // namespace zolk
