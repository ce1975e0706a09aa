// Euler buckling from arbitrary cases and member values.
#include "buckling/buckling.h"
#include "checks.h"
#include "number/number.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1 + 4 * sizeof(double))
        return 0;
    double v[4];
    std::memcpy(v, data + 1, sizeof v);
    for (double& x : v)
        if (!std::isfinite(x))
            x = 0;
    const zolk::BucklingResult r = zolk::EvaluateEuler(data[0], v[0], v[1], v[2], v[3]);
    for (double x : {r.criticalLoad, r.stress}) {
        fuzzcheck::RequireFinite(x, "buckling value");
        const std::string e = zolk::FormatExponent(x);
        fuzzcheck::Require(fuzzcheck::IsExponentText(e), "buckling label", e);
        if (r.fault != zolk::Fault::None)
            fuzzcheck::Require(x == 0, "a fault leaves zeros");
    }
    return 0;
}
