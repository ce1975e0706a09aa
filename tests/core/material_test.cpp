#include "material/material.h"

#include <gtest/gtest.h>

#include <string>

namespace zolk {
namespace {

TEST(MaterialCatalogue, Rows) {
    struct Row {
        const char* radio;
        const char* caption;
        double modulus;
        const char* control;
        const char* text;
    };
    const Row expected[] = {
        {"RSteel", "Steel", 210000, "Label2", "2.10E+5"},
        {"RAluminum", "Aluminum", 71000, "Label17", "0.71E+5"},
        {"RBrass", "Brass", 98000, "Label19", "0.98E+5"},
        {"RBronze", "Bronze", 110000, "Label21", "1.10E+5"},
        {"RCopper", "Copper", 123000, "Label4", "1.23E+5"},
        {"RTitanium", "Titanium", 110000, "Label6", "1.10E+5"},
        {"RNickel", "Nickel", 210000, "Label8", "2.10E+5"},
        {"RMagnesium", "Magnesium", 44000, "Label9", "0.44E+5"},
        {"RZinc", "Zinc", 98000, "Label10", "0.98E+5"},
        {"RQuarz", "Glass (Quartz)", 75000, "Label11", "0.75E+5"},
        {"RCustom", "Custom Material", 0, "Mat_Youngs", "2.10E+5"},
    };
    ASSERT_EQ(kMaterials.size(), std::size(expected));
    for (std::size_t code = 0; code < kMaterials.size(); ++code) {
        const Material& m = kMaterials[code];
        EXPECT_EQ(m.code, code);
        EXPECT_EQ(m.radioButton, expected[code].radio);
        EXPECT_EQ(m.caption, expected[code].caption);
        EXPECT_EQ(m.modulus, expected[code].modulus) << m.caption;
        EXPECT_EQ(m.valueControl, expected[code].control);
        EXPECT_EQ(m.valueText, expected[code].text);
    }
    EXPECT_EQ(kMaterials[kCustomMaterial].radioButton, "RCustom");
}

struct Entry {
    std::string text;
    double value;
    bool valid;
};

class CustomModulus : public testing::TestWithParam<Entry> {};

TEST_P(CustomModulus, Reads) {
    const ModulusResult result = ReadCustomModulus(GetParam().text);
    EXPECT_EQ(result.value, GetParam().value) << GetParam().text;
    EXPECT_EQ(result.valid, GetParam().valid) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Texts, CustomModulus,
                         testing::Values(Entry{"70000", 70000, true},
                                         Entry{"2.10E+5", 210000, true},
                                         // At least 1e-10, not greater than it.
                                         Entry{"1e-10", 1e-10, true}, Entry{"9e-11", 0, false},
                                         Entry{"0", 0, false}, Entry{"-5", 0, false},
                                         Entry{"abc", 0, false}, Entry{"", 0, false}));

} // namespace
} // namespace zolk
