#pragma once
// Positions in report text count from 1. Taking characters past the end yields fewer characters,
// or none; it never fails.

#include <cstddef>
#include <string_view>

namespace vrd {

// Characters first..last (1-based, inclusive) of text, clipped to its end.
inline std::string_view Columns(std::string_view text, std::size_t first, std::size_t last) {
    if (first == 0 || first > text.size() || last < first)
        return {};
    return text.substr(first - 1, last - first + 1);
}

inline bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

} // namespace vrd
