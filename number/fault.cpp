#include "number/fault.h"

#include <cfenv>
#include <cmath>

namespace zolk {

std::string_view FaultMessage(Fault fault) {
    switch (fault) {
    case Fault::InvalidOperation:
        return "Invalid floating point operation";
    case Fault::DivisionByZero:
        return "Floating point division by zero";
    case Fault::Overflow:
        return "Floating point overflow";
    case Fault::None:
        break;
    }
    return {};
}

void ClearFloatFaults(std::span<double> inputs) {
    std::feclearexcept(FE_ALL_EXCEPT);
    // Reading each input back through a volatile makes every computation on it wait until
    // the flags are clear.
    for (double& input : inputs) {
        volatile double fresh = input;
        input = fresh;
    }
}

Fault RaisedFloatFault(std::span<const double> results) {
    // Writing each result to a volatile makes the arithmetic finish before the flags are read.
    bool finite = true;
    for (const double result : results) {
        volatile double settled = result;
        finite = finite && std::isfinite(settled);
    }
    const int flags = std::fetestexcept(FE_OVERFLOW | FE_DIVBYZERO | FE_INVALID);
    if (flags & FE_OVERFLOW)
        return Fault::Overflow;
    if (flags & FE_DIVBYZERO)
        return Fault::DivisionByZero;
    if (flags & FE_INVALID)
        return Fault::InvalidOperation;
    // A result that is not finite although no flag says so: the flags were lost somewhere.
    if (!finite) {
        for (const double result : results) {
            if (std::isnan(result))
                return Fault::InvalidOperation;
        }
        return Fault::Overflow;
    }
    return Fault::None;
}

} // namespace zolk
