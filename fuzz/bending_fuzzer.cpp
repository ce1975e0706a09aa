// Bending evaluation from arbitrary texts, load cases and member values.
#include "bending/bending.h"
#include "checks.h"
#include "number/number.h"
#include "split.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    constexpr std::size_t kHead = 1 + 4 * sizeof(double);
    if (size < kHead)
        return 0;
    const std::uint8_t loadCase = data[0];
    double member[4];
    std::memcpy(member, data + 1, sizeof member);
    for (double& v : member)
        if (!std::isfinite(v))
            v = 0; // the element state only ever holds finite values
        else
            v = std::fabs(v); // and never a negative length, modulus or section value
    const auto texts = fuzzcheck::SplitTexts(
        std::string_view(reinterpret_cast<const char*>(data + kHead), size - kHead), 3);
    const zolk::BendingResult r = zolk::EvaluateBendingTexts(
        {texts[0], texts[1], texts[2]}, loadCase, {member[0], member[1], member[2], member[3]});
    for (double v : {r.moment, r.stress, r.deflection}) {
        fuzzcheck::RequireFinite(v, "bending value");
        const std::string e = zolk::FormatExponent(v);
        fuzzcheck::Require(fuzzcheck::IsExponentText(e), "bending label", e);
        if (r.fault != zolk::Fault::None)
            fuzzcheck::Require(v == 0, "a fault leaves zeros");
    }
    fuzzcheck::RequireFinite(r.position, "position");
    const std::string f = zolk::FormatFixed(r.position);
    fuzzcheck::Require(fuzzcheck::IsFixedText(f), "position label", f);
    fuzzcheck::Require(r.position >= 0 && r.position <= 100, "position within the beam", f);
    if (!zolk::ReadNumber(texts[0]))
        fuzzcheck::Require(!r.forceValid, "force marked");
    if (!zolk::ReadNumber(texts[2]))
        fuzzcheck::Require(!r.lineLoadValid, "line load marked");
    return 0;
}
