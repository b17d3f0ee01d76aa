#pragma once
// The text export: the report exactly as held, then a carriage return and a line feed.

#include <string>
#include <string_view>

namespace vrd {

std::string TextFileBytes(std::string_view report);

} // namespace vrd
