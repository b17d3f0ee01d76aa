#pragma once

#include <string_view>

namespace vrd {

// Both exports end their file with a carriage return and a line feed.
constexpr std::string_view kFileEnd = "\r\n";

} // namespace vrd
