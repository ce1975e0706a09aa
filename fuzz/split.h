#pragma once
// Splits a fuzz input into a few leading code bytes and texts separated by '\n'.
#include <cstdint>
#include <string_view>
#include <vector>

namespace fuzzcheck {

inline std::vector<std::string_view> SplitTexts(std::string_view data, std::size_t count) {
    std::vector<std::string_view> texts;
    while (texts.size() + 1 < count) {
        const std::size_t end = data.find('\n');
        if (end == std::string_view::npos)
            break;
        texts.push_back(data.substr(0, end));
        data.remove_prefix(end + 1);
    }
    texts.push_back(data);
    texts.resize(count);
    return texts;
}

} // namespace fuzzcheck
