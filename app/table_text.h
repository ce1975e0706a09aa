#pragma once
// A control name or caption of the selection tables, as Qt text.
#include <QString>
#include <string_view>

namespace zolk {

inline QString TableText(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace zolk
