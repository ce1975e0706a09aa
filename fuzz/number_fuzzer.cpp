// Number reading and both result formats.
#include "checks.h"
#include "number/number.h"

#include <cstdint>
#include <cstring>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (const auto value = zolk::ReadNumber(text)) {
        fuzzcheck::RequireFinite(*value, "read value");
        const std::string e = zolk::FormatExponent(*value);
        fuzzcheck::Require(fuzzcheck::IsExponentText(e), "exponent format", e);
        const std::string f = zolk::FormatFixed(*value);
        fuzzcheck::Require(fuzzcheck::IsFixedText(f), "fixed format", f);
        // What was formatted reads back as a number.
        fuzzcheck::Require(zolk::ReadNumber(e).has_value(), "exponent text reads back", e);
    }
    // The raw bytes as a double, whenever they are finite.
    if (size >= sizeof(double)) {
        double v;
        std::memcpy(&v, data, sizeof v);
        if (std::isfinite(v)) {
            const std::string e = zolk::FormatExponent(v);
            fuzzcheck::Require(fuzzcheck::IsExponentText(e), "exponent format of bits", e);
            const std::string f = zolk::FormatFixed(v);
            fuzzcheck::Require(fuzzcheck::IsFixedText(f), "fixed format of bits", f.substr(0, 80));
        }
    }
    return 0;
}
