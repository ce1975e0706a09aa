#pragma once
// Number reading and the two result formats shared by every evaluation.
// Locale-free: the decimal separator is always '.'.
#include <optional>
#include <string>
#include <string_view>

namespace zolk {

// A text is a number when, inside optional surrounding blanks, it is an optional
// sign, digits with an optional '.', and an optional exponent. Values beyond the
// double range, "inf", "nan", hex, ',' and thousands separators are not numbers. A value
// too small for a double reads as zero, keeping its sign. Blanks are spaces and tabs.
std::optional<double> ReadNumber(std::string_view text);

// 4 significant digits, exponent with sign and at least two digits: 8.333E+02.
std::string FormatExponent(double value);

// One decimal, at least one digit before the point: 50.0. A negative value that rounds to
// zero shows "0.0", without a sign.
std::string FormatFixed(double value);

} // namespace zolk
