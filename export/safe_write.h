#pragma once
// Writing an export so that it appears whole or not at all.
//
// A regular file (new or existing) is written to a temporary file in the same folder and renamed
// into place only when complete, so a failure never leaves half a file and never harms the file it
// would have replaced. A target that exists and is not a regular file (a device such as /dev/null,
// a pipe) is written to directly and never replaced.

#include <optional>
#include <string>
#include <string_view>

namespace vrd {

// nullopt on success, else the reason.
std::optional<std::string> WriteFileSafely(const std::string& path, std::string_view bytes);

} // namespace vrd
