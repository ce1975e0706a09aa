#include "number/number.h"
#include "section/section.h"

namespace zolk {

LengthResult ReadLength(std::string_view text) {
    const std::optional<double> number = ReadNumber(text);
    if (!number || !(*number > 1e-10))
        return {};
    return {*number, true};
}

} // namespace zolk
