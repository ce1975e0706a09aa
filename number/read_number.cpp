#include "number/number.h"

#include <charconv>
#include <cstdint>
#include <system_error>

namespace zolk {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Decimal powers are counted up to this bound only, so that 10,000 digits or an exponent of
// 10,000 digits cannot overflow the count.
constexpr std::int64_t kExponentCap = 1'000'000'000;

} // namespace

std::optional<double> ReadNumber(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    const std::string_view body = text.substr(begin, end - begin);

    // The grammar is checked here, because std::from_chars also takes "inf", "nan" and
    // texts that merely start with a number.
    std::size_t i = 0;
    bool negative = false;
    if (i < body.size() && (body[i] == '+' || body[i] == '-')) {
        negative = body[i] == '-';
        ++i;
    }
    const std::size_t mantissaBegin = i;

    // The value is 0.d... times ten to the power leadingPower + exponent, with d the first
    // significant digit; it tells an underflow from an overflow below.
    std::int64_t leadingPower = 0;
    bool significantSeen = false;
    std::size_t digitCount = 0;
    while (i < body.size() && IsDigit(body[i])) {
        if (significantSeen || body[i] != '0') {
            significantSeen = true;
            if (leadingPower < kExponentCap)
                ++leadingPower;
        }
        ++digitCount;
        ++i;
    }
    if (i < body.size() && body[i] == '.') {
        ++i;
        while (i < body.size() && IsDigit(body[i])) {
            if (!significantSeen) {
                if (body[i] == '0') {
                    if (leadingPower > -kExponentCap)
                        --leadingPower;
                } else {
                    significantSeen = true;
                }
            }
            ++digitCount;
            ++i;
        }
    }
    if (digitCount == 0)
        return std::nullopt;

    std::int64_t exponent = 0;
    if (i < body.size() && (body[i] == 'e' || body[i] == 'E')) {
        ++i;
        bool exponentNegative = false;
        if (i < body.size() && (body[i] == '+' || body[i] == '-')) {
            exponentNegative = body[i] == '-';
            ++i;
        }
        const std::size_t exponentBegin = i;
        while (i < body.size() && IsDigit(body[i])) {
            if (exponent < kExponentCap)
                exponent = exponent * 10 + (body[i] - '0');
            ++i;
        }
        if (i == exponentBegin)
            return std::nullopt;
        if (exponentNegative)
            exponent = -exponent;
    }
    if (i != body.size())
        return std::nullopt;

    // std::from_chars rejects a leading '+', so it gets the text after the sign.
    const char* first = body.data() + mantissaBegin;
    const char* last = body.data() + body.size();
    double value = 0;
    const auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        // Below the smallest double the value reads as zero, as a double store would make
        // it; above the largest it is not a number.
        if (!significantSeen || leadingPower + exponent <= 0)
            return negative ? -0.0 : 0.0;
        return std::nullopt;
    }
    if (ec != std::errc() || ptr != last)
        return std::nullopt;
    return negative ? -value : value;
}

} // namespace zolk
