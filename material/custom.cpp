#include "material/material.h"
#include "number/number.h"

namespace zolk {

ModulusResult ReadCustomModulus(std::string_view text) {
    const std::optional<double> number = ReadNumber(text);
    if (!number || !(*number >= 1e-10))
        return {};
    return {*number, true};
}

} // namespace zolk
