#pragma once
// What every fuzz target checks beyond "no crash": results are finite, and every
// formatted result is a well-formed number text.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace fuzzcheck {

[[noreturn]] inline void Fail(const char* what, const std::string& detail) {
    std::fprintf(stderr, "check failed: %s: %s\n", what, detail.c_str());
    std::abort();
}

inline void Require(bool ok, const char* what, const std::string& detail = {}) {
    if (!ok)
        Fail(what, detail);
}

inline bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// -?d.dddE[+-]dd(d)
inline bool IsExponentText(const std::string& t) {
    std::size_t i = 0;
    if (i < t.size() && t[i] == '-')
        ++i;
    if (t.size() < i + 9 || !IsDigit(t[i]) || t[i + 1] != '.')
        return false;
    for (std::size_t k = i + 2; k < i + 5; ++k)
        if (!IsDigit(t[k]))
            return false;
    if (t[i + 5] != 'E' || (t[i + 6] != '+' && t[i + 6] != '-'))
        return false;
    const std::size_t digits = t.size() - (i + 7);
    if (digits < 2 || digits > 3)
        return false;
    for (std::size_t k = i + 7; k < t.size(); ++k)
        if (!IsDigit(t[k]))
            return false;
    return true;
}

// -?d+.d
inline bool IsFixedText(const std::string& t) {
    std::size_t i = 0;
    if (i < t.size() && t[i] == '-')
        ++i;
    const std::size_t start = i;
    while (i < t.size() && IsDigit(t[i]))
        ++i;
    return i > start && i + 2 == t.size() && t[i] == '.' && IsDigit(t[i + 1]);
}

inline void RequireFinite(double v, const char* what) {
    Require(std::isfinite(v), what, std::to_string(v));
}

} // namespace fuzzcheck
