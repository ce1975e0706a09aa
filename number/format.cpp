#include "number/number.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace zolk {
namespace {

// Enough digits for the exact decimal expansion of every double: at most 767 significant
// digits, and at most 1074 after the point. With the exact digits, rounding half away from
// zero only needs the first dropped digit.
constexpr int kExactSignificant = 780;
constexpr int kExactFraction = 1100;

std::string NonFinite(double value) {
    if (std::isnan(value))
        return "NAN";
    return value < 0 ? "-INF" : "INF";
}

// Adds one unit in the last place of the decimal digits in [first, last); true when the
// carry runs out of the leftmost digit (9.999 becoming 10.000).
bool CarryInto(char* first, char* last) {
    for (char* p = last; p != first;) {
        --p;
        if (*p == '9') {
            *p = '0';
        } else {
            ++*p;
            return false;
        }
    }
    return true;
}

} // namespace

std::string FormatExponent(double value) {
    if (!std::isfinite(value))
        return NonFinite(value);
    if (value == 0)
        return "0.000E+00"; // negative zero too

    // "d.ddd...e+XX", exact.
    std::array<char, kExactSignificant + 16> buffer;
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(value),
                      std::chars_format::scientific, kExactSignificant);
    char* text = buffer.data();
    std::array<char, 4> digits{text[0], text[2], text[3], text[4]};
    const char* sign = text + 2 + kExactSignificant + 1; // after the 'e'
    int exponent = 0;
    std::from_chars(sign + 1, result.ptr, exponent);
    if (*sign == '-')
        exponent = -exponent;
    if (text[5] >= '5' && CarryInto(digits.data(), digits.data() + digits.size())) {
        digits = {'1', '0', '0', '0'};
        ++exponent;
    }

    std::string out;
    out.reserve(12);
    if (value < 0)
        out += '-';
    out += digits[0];
    out += '.';
    out.append(digits.begin() + 1, digits.end());
    out += 'E';
    out += exponent < 0 ? '-' : '+';
    const int magnitude = std::abs(exponent);
    if (magnitude < 10)
        out += '0';
    out += std::to_string(magnitude);
    return out;
}

std::string FormatFixed(double value) {
    if (!std::isfinite(value))
        return NonFinite(value);

    // "iii.fff...", exact.
    std::array<char, 310 + 1 + kExactFraction + 8> buffer;
    const auto result = std::to_chars(buffer.data() + 1, buffer.data() + buffer.size(),
                                      std::fabs(value), std::chars_format::fixed, kExactFraction);
    // buffer[0] is room for a carry into a new leading digit (99.96 becoming 100.0).
    buffer[0] = '0';
    char* point = buffer.data() + 1;
    while (*point != '.')
        ++point;
    char* tenths = point + 1;
    if (result.ptr - tenths > 1 && tenths[1] >= '5') {
        *point = *tenths; // close the gap so the carry runs over plain digits
        CarryInto(buffer.data(), point + 1);
        *tenths = *point;
        *point = '.';
    }

    const char* first = buffer.data();
    while (*first == '0' && first + 1 != point)
        ++first;
    std::string out;
    out.reserve(static_cast<std::size_t>(point - first) + 3);
    // A value that rounds to zero is shown without a sign, as zero itself is: "0.0", never
    // "-0.0".
    const bool zero = (point - first == 1 && *first == '0' && *tenths == '0');
    if (value < 0 && !zero)
        out += '-';
    out.append(first, static_cast<std::size_t>(point - first));
    out += '.';
    out += *tenths;
    return out;
}

} // namespace zolk
