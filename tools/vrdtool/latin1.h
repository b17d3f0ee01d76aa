#pragma once

#include <string>
#include <string_view>

namespace vrd {

// Each byte becomes the Unicode character of the same value (0xE9 becomes U+00E9), in UTF-8, so
// that every byte of a report survives in JSON.
std::string Latin1ToUtf8(std::string_view bytes);

} // namespace vrd
