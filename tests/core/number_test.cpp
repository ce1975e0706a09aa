#include "number/number.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <locale>
#include <string>

namespace zolk {
namespace {

struct Accepted {
    std::string text;
    double value;
};

class ReadNumberAccepts : public testing::TestWithParam<Accepted> {};

TEST_P(ReadNumberAccepts, Text) {
    const std::optional<double> number = ReadNumber(GetParam().text);
    ASSERT_TRUE(number.has_value()) << '"' << GetParam().text << '"';
    EXPECT_EQ(*number, GetParam().value) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Grammar, ReadNumberAccepts,
    testing::Values(Accepted{"10", 10}, Accepted{"  2.5  ", 2.5}, Accepted{"\t7\t", 7},
                    Accepted{"+3", 3}, Accepted{"-4.5", -4.5}, Accepted{".5", 0.5},
                    Accepted{"5.", 5}, Accepted{"007", 7}, Accepted{"1e3", 1000},
                    Accepted{"1E-3", 0.001}, Accepted{"2.10E+5", 210000}, Accepted{"-.25e+1", -2.5},
                    Accepted{"1.e2", 100},
                    Accepted{"1.7976931348623157e308", std::numeric_limits<double>::max()},
                    Accepted{"4.9e-324", std::numeric_limits<double>::denorm_min()},
                    // Below the smallest double: zero, as a store to a double would give.
                    Accepted{"1e-400", 0}, Accepted{"1e00000000000000000000003", 1000}));

class ReadNumberRejects : public testing::TestWithParam<std::string> {};

TEST_P(ReadNumberRejects, Text) {
    EXPECT_FALSE(ReadNumber(GetParam()).has_value()) << '"' << GetParam() << '"';
}

INSTANTIATE_TEST_SUITE_P(Grammar, ReadNumberRejects,
                         testing::Values("", "   ", "abc", "1a", "a1", "1d", "inf", "-inf", "INF",
                                         "nan", "NaN", "infinity", "0x10", "0x1p3", "1,5", "1,000",
                                         "1 000", "1_000", "1e", "1e+", "e5", ".", "-", "+", "+-1",
                                         "--1", "1.2.3", "1e5.5", "1e2e3", ".e1", "1e400", "-1e400",
                                         "1.7976931348623159e308", "1e99999999999999999999"));

TEST(ReadNumber, KeepsTheSignOfZero) {
    const std::optional<double> number = ReadNumber("-0");
    ASSERT_TRUE(number.has_value());
    EXPECT_TRUE(std::signbit(*number));
}

TEST(ReadNumber, HandlesTenThousandCharacterTexts) {
    EXPECT_EQ(ReadNumber("1." + std::string(9998, '0')), 1.0);
    EXPECT_EQ(ReadNumber("0." + std::string(9997, '0') + "1"), 0.0); // 1e-9998
    EXPECT_EQ(ReadNumber("1e" + std::string(9997, '0') + "5"), 1e5);
    EXPECT_FALSE(ReadNumber(std::string(10000, '9')).has_value()); // about 1e10000
    EXPECT_FALSE(ReadNumber(std::string(10000, 'x')).has_value());
    EXPECT_FALSE(ReadNumber(std::string(9999, '1') + ",").has_value());
}

// A Qt application takes the C locale from the environment: under a German one, printf and
// strtod would use ','. Reading and formatting must not follow it.
TEST(ReadNumber, IgnoresACommaDecimalLocale) {
    const char* name = nullptr;
    for (const char* candidate : {"de_DE.UTF-8", "de_DE.utf8", "de_DE"}) {
        if (std::setlocale(LC_ALL, candidate) != nullptr) {
            name = candidate;
            break;
        }
    }
    if (name == nullptr)
        GTEST_SKIP() << "no German locale installed (scripts/setup.sh test generates one)";
    std::locale::global(std::locale(name));
    std::setlocale(LC_NUMERIC, name);
    ASSERT_EQ(std::localeconv()->decimal_point[0], ',');

    EXPECT_EQ(ReadNumber("2.5"), 2.5);
    EXPECT_EQ(ReadNumber("-1.5e-3"), -0.0015);
    EXPECT_FALSE(ReadNumber("2,5").has_value());
    EXPECT_EQ(FormatExponent(-2812.5), "-2.813E+03");
    EXPECT_EQ(FormatFixed(42.26), "42.3");

    std::locale::global(std::locale::classic());
    std::setlocale(LC_ALL, "C");
}

} // namespace
} // namespace zolk
